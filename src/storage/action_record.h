// The action record every object and every page carries: the action run on click (for a page,
// when it is shown), sounds, cursor, name, comments, visibility, group and the run fields of
// choice objects. Newer fields travel packed in two string slots (ExtraPack, CommentPack) so the
// stream layout of the older fields never changed.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "storage/byte_stream.h"

namespace plexara {

inline constexpr int kCodeWriteActionRecord = 1079;
inline constexpr int kCodeReadActionRecord = 1080;

// Separators of the packed slots and packed targets.
inline constexpr char kFS1 = '\x01';
inline constexpr char kRS2 = '\x02';
inline constexpr char kFS3 = '\x03';
inline constexpr char kRS4 = '\x04';

struct TCommand {
  std::string extraPack;  // on disk: the select-run fields and the flags; rebuilt on write
  std::uint8_t actionKind = 0;
  std::int32_t showCommand = 1;
  std::string actionTarget;
  std::string actionParameters;
  std::string actionFolder;
  bool closeAfterAction = false;
  std::string clickSound;
  std::string mouseDownSound;
  std::string mouseUpSound;
  std::string mouseEnterSound;
  std::string mouseLeaveSound;
  std::string cursor;
  std::string commentPack;  // on disk: name and comment fields; rebuilt on write
  std::string name;
  std::string comment;
  std::string viewerSavedText;  // run time only, never stored
  std::string commentViewer;
  std::string graphicCommentViewer;
  std::string selectRunFile;
  std::string selectRunParameters;
  std::string selectRunFolder;
  std::string selectRunWait = " ";
  bool windowMoveHandle = false;
  bool enabled = true;
  bool visible = true;
  std::string groupName;
  bool checkStyleInGroup = false;
  bool checked = false;

  friend bool operator==(const TCommand&, const TCommand&) = default;
};

class FieldVisitor;
// The 14 stream fields in file order, with the packing slots as plain strings: the binary layout.
// WriteActionRecord and ReadActionRecord refresh and unpack the slots around this visit; the
// readable JSON form lists the unpacked fields instead (json_fields.h).
void VisitFields(FieldVisitor& v, TCommand& command);

// Rebuilds both packing slots from the fields, then writes the 14 stream fields.
bool WriteActionRecord(OutStream& out, TCommand& command);
// Reads the 14 stream fields, then unpacks CommentPack and ExtraPack; ViewerSavedText comes out
// empty.
// Both report a failure once: a failing byte or int32 field with 1079 (write) or 1080 (read), a
// failing string, like every string of every record, with the string's own 1053 or 1054.
bool ReadActionRecord(InStream& in, TCommand& command);

// The slot texts of the fields. Separator bytes inside a field are dropped, so they can never
// shift the fields after it.
std::string PackExtra(const TCommand& command);
std::string PackComment(const TCommand& command);
void UnpackExtra(TCommand& command);    // from command.extraPack
void UnpackComment(TCommand& command);  // from command.commentPack
// Sets both packing slots from the fields.
void RefreshPacks(TCommand& command);

// Action kind codes, as stored in ActionKind. Codes above kActionGroup do nothing.
enum ActionKindCode : std::uint8_t {
  kActionNone = 0,
  kActionOpenRunFile = 1,
  kActionVisitWebsite = 2,
  kActionSendEmail = 3,
  kActionPlaySound = 4,
  kActionPrintDocument = 5,
  kActionShowSubPage = 6,
  kActionBrowseFolder = 7,
  kActionCloseWindow = 8,
  kActionExit = 9,
  kActionStopSound = 10,
  kActionStopAllSound = 11,
  kActionGotoPage = 12,
  kActionShowPicture = 13,
  kActionLaunchMediaFile = 14,
  kActionLaunchSlideShow = 15,
  kActionShowMessage = 16,
  kActionCopyFiles = 17,
  kActionMinimize = 18,
  kActionPlay = 19,
  kActionStop = 20,
  kActionPause = 21,
  kActionPrevious = 22,
  kActionNext = 23,
  kActionFirstBack = 24,
  kActionLastStep = 25,
  kActionLoadFileWithObject = 26,
  kActionShowHideObjects = 27,
  kActionGroup = 28,
};

inline constexpr int kActionKindCount = 29;  // codes 0..28

struct ActionKindInfo {
  std::string_view name;   // display name in the editor's action list
  std::string_view label;  // the editor's row name for ActionTarget; empty: the kind takes none
  bool closeAfterAction;   // close after action is honoured (and offered) for this kind
  bool packedTarget;       // the target holds several values packed by a settings dialog
};

// The action kind table, indexed by code.
std::span<const ActionKindInfo> ActionKinds();
// The kinds in the order the editor's action pick list shows them (every code once).
std::span<const std::uint8_t> ActionKindPickOrder();

bool CloseAfterActionApplies(int actionKind);
std::string_view ActionKindName(int actionKind);     // "None" outside the table
std::string_view ActionTargetLabel(int actionKind);  // "FileName" for kinds without a label

}  // namespace plexara
