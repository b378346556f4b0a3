// The packed targets of the action kinds that carry several values in one ActionTarget string
// (the settings strings their dialogs write and the player unpacks), as typed values. Every field
// is followed by its separator, including the last one; flags are "Y" for true and one blank for
// false; numbers are decimal text.
//
// Decoding never fails: it stops quietly at the first missing separator, fields not read keep
// their defaults (the dialogs' defaults) and numbers that do not parse keep theirs. Each Decode
// can say through `complete` whether the whole text was well-formed. For every string that Encode
// produces, Encode(Decode(text)) gives back exactly that string.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/action_record.h"
#include "storage/font_data.h"

namespace plexara {

// ---- packed text helpers, shared with the action record's packing slots ----

// Cuts packed text into fields, each ended by its separator. Once a separator is missing the
// reader stops: that Next and every later one return false and leave their field untouched.
class PackedReader {
 public:
  explicit PackedReader(std::string_view text) : rest_(text) {}
  bool Next(char separator, std::string& field);
  bool Next(char separator, std::string_view& field);
  bool stopped() const { return stopped_; }
  // The text not yet cut.
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
  bool stopped_ = false;
};

// The four separator bytes. Field text never carries them into packed text: a stray separator
// would shift every later field (a name holding FS1 would turn the comment into the viewer name
// and so on), so writers drop them. Targets nested in an action group keep FS1 and RS2, their own
// separators, and lose only the group's.
inline constexpr std::string_view kPackedSeparators = "\x01\x02\x03\x04";
inline constexpr std::string_view kGroupSeparators = "\x03\x04";

// Appends field without the bytes of `reserved`, then the separator.
void AppendField(std::string& out, std::string_view field, char separator,
                 std::string_view reserved = kPackedSeparators);
// The text of a flag field: "Y" for true, one blank for false.
std::string_view FlagText(bool value);
// A flag field is set exactly when it is "Y".
bool IsFlagSet(std::string_view field);
// A decimal number field (optional minus sign, digits, nothing else); fallback otherwise.
std::int32_t ParseDecimal(std::string_view field, std::int32_t fallback);

// ---- Open/Run File (kind 1) ----

struct RunListEntry {
  std::string file;  // relative to the project root
  std::string parameters;
  std::string startFolder;  // relative to the project root; empty: the project root
  bool wait = false;        // wait for the program to end before the next entry starts

  friend bool operator==(const RunListEntry&, const RunListEntry&) = default;
};

// Entries: file FS1 parameters FS1 start folder FS1 wait FS1 RS2. A target without any RS2 is the
// single form: the whole target is one file, run with the record's ActionParameters and
// ActionFolder.
struct RunListSettings {
  bool singleForm = false;
  std::string singleFile;  // the whole target, in the single form
  std::vector<RunListEntry> entries;

  // Text after the last RS2 is ignored. A malformed entry (fewer than four FS1) ends the list: it
  // is kept with the fields it has when at least its file was read.
  static RunListSettings Decode(std::string_view target, bool* complete = nullptr);
  std::string Encode() const;

  friend bool operator==(const RunListSettings&, const RunListSettings&) = default;
};

// ---- Launch Slide Show (kind 15) ----

inline constexpr std::int32_t kSlideShowStyleCount = 150;     // transitions 1..150; 0 = random
inline constexpr std::int32_t kSlideShowImageStyleCount = 5;  // Normal .. EnlargeFit

// folder FS1 loop FS1 style FS1 image style FS1 step FS1 step delay FS1 interval FS1 background
// colour FS1 music FS1.
struct SlideShowSettings {
  std::string folder;  // relative to the project root
  bool loop = true;
  std::int32_t style = 0;       // 0 random, n = transition n
  std::int32_t imageStyle = 3;  // 0 Normal, 1 Center, 2 Stretch, 3 ShrinkFit, 4 EnlargeFit
  std::int32_t step = 4;        // percent, 1..99
  std::int32_t stepDelay = 50;  // milliseconds, 1..9999
  std::int32_t interval = 2;    // seconds, 0..99
  ColorRef backgroundColor = kColorBlack;
  std::string music;  // relative to the project root

  // Numbers outside their ranges are brought into them (step, step delay and interval clamped;
  // a style or image style outside its table takes the default), so the show never divides by
  // a zero step or overflows the interval in milliseconds.
  static SlideShowSettings Decode(std::string_view target, bool* complete = nullptr);
  std::string Encode() const;

  friend bool operator==(const SlideShowSettings&, const SlideShowSettings&) = default;
};

// ---- Copy File(s) then Open/Run (kind 17) ----

inline constexpr std::int32_t kCopyMessageInformation = 0;  // OK button only
inline constexpr std::int32_t kCopyMessageQuestion = 1;     // Yes/No

// source FS1 target folder FS1 overwrite FS1 show message FS1 caption FS1 message FS1 message
// type FS1 file to run FS1 parameters FS1 start folder FS1.
struct CopyFileSettings {
  std::string source;        // file or folder relative to the project root
  std::string targetFolder;  // absolute path or exactly one folder macro such as [ProgramFiles]
  bool overwrite = false;
  bool showMessage = true;
  std::string caption = "Copy File";
  std::string message = "Copy file/folder to your hard disk then open file, continue?";
  std::int32_t messageType = kCopyMessageQuestion;  // "0".."3" are read; others keep the default
  std::string runFile;                              // relative to the target folder
  std::string runParameters;
  std::string runFolder = "\\";  // relative to the target folder

  static CopyFileSettings Decode(std::string_view target, bool* complete = nullptr);
  std::string Encode() const;  // a message type outside 0..3 is written as "1"

  friend bool operator==(const CopyFileSettings&, const CopyFileSettings&) = default;
};

// ---- Load File with Object (kind 26) ----

// object name FS1 file FS1. Kept untrimmed; the player trims both.
struct LoadFileSettings {
  std::string objectName;
  std::string file;  // relative to the project root

  static LoadFileSettings Decode(std::string_view target, bool* complete = nullptr);
  std::string Encode() const;

  friend bool operator==(const LoadFileSettings&, const LoadFileSettings&) = default;
};

// ---- Show/Hide Enable/Disable Objects (kind 27) ----

enum ShowHideSection : int {
  kShowGroups,
  kHideGroups,
  kEnableGroups,
  kDisableGroups,
  kShowObjects,
  kHideObjects,
  kEnableObjects,
  kDisableObjects,
  kShowHideSectionCount,
};

// What a section does to the objects it names.
struct ShowHideSectionEffect {
  bool byGroupName;  // names match GroupName; otherwise Name
  bool setsVisible;  // sets Visible; otherwise Enabled
  bool value;        // the value set
};
inline constexpr std::array<ShowHideSectionEffect, kShowHideSectionCount> kShowHideSectionEffects =
    {{
        {true, true, true},
        {true, true, false},
        {true, false, true},
        {true, false, false},
        {false, true, true},
        {false, true, false},
        {false, false, true},
        {false, false, false},
    }};

// Eight sections in ShowHideSection order, each a list of names separated by CR LF and followed
// by FS1.
struct ShowHideSettings {
  std::array<std::vector<std::string>, kShowHideSectionCount> sections;

  // Also takes a lone CR or LF as a line break, and drops empty names: an empty group name would
  // otherwise select every object that has no group. `complete` is true when all eight sections
  // were read.
  static ShowHideSettings Decode(std::string_view target, bool* complete = nullptr);
  std::string Encode() const;

  friend bool operator==(const ShowHideSettings&, const ShowHideSettings&) = default;
};

// ---- Action Group (kind 28) ----

// One grouped action; its target may itself be a packed target of its kind, kept as text.
struct GroupedAction {
  std::uint8_t actionKind = kActionNone;
  std::int32_t showCommand = 1;  // used as written
  std::string target;
  std::string parameters;
  std::string folder;
  bool closeAfterAction = false;

  friend bool operator==(const GroupedAction&, const GroupedAction&) = default;
};

// Entries: kind FS3 show command FS3 target FS3 parameters FS3 folder FS3 close FS3 RS4.
struct ActionGroupSettings {
  std::vector<GroupedAction> actions;

  // Text after the last RS4 is ignored. An entry without its sixth FS3 has its close flag off; an
  // entry with fewer than five FS3 is malformed and ends the list (it is not kept). A kind that
  // is not a number in 0..255 reads as no action (it must never wrap onto a real kind); a show
  // command that is not a number reads as 1.
  static ActionGroupSettings Decode(std::string_view target, bool* complete = nullptr);
  std::string Encode() const;

  friend bool operator==(const ActionGroupSettings&, const ActionGroupSettings&) = default;
};

}  // namespace plexara
