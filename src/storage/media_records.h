// The kind records of the objects whose content a platform control renders, as plain data:
// TextBox, RichText, AVI, Explorer, MediaPlayer and Flash. Each record lists its fields once, in
// stream order, in its VisitFields; file and folder names are kept as stored (relative to the
// project root, normally with a leading backslash) and resolved by the controls.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "storage/font_data.h"
#include "storage/record_fields.h"

namespace plexara {

// Text boxes start in the platform's window background colour (system colour 5).
inline constexpr ColorRef kBoxWindowColor = static_cast<ColorRef>(0x80000005u);
// Pointer shape number of the arrow, which text boxes show instead of the text pointer.
inline constexpr std::int16_t kBoxArrowCursor = -2;

inline constexpr std::string_view kBoxBorderNames[] = {"None", "Single"};
inline constexpr std::string_view kScrollBarNames[] = {"None", "Horizontal", "Vertical", "Both"};
inline constexpr std::string_view kExplorerTypeNames[] = {"Folder", "WebSite", "File"};

inline constexpr std::uint8_t kExplorerFolder = 0;
inline constexpr std::uint8_t kExplorerWebSite = 1;
inline constexpr std::uint8_t kExplorerFile = 2;

// What TextBox and RichText share; the content field between BackColor and ScrollBar differs.
struct TextBoxFields {
  std::uint8_t align = 0;      // placement in the page; never changed by the editor
  std::uint8_t alignment = 0;  // 0 left, 1 right, 2 centre
  std::uint8_t border = 1;     // stored ordinal of kBoxBorderNames
  std::int32_t borderWidth = 0;
  ColorRef backColor = kBoxWindowColor;
  std::uint8_t scrollBar = 2;  // stored ordinal of kScrollBarNames
  bool wordWrap = true;
  std::int16_t cursor = kBoxArrowCursor;
  std::string hint;
  FontData font;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;
  friend bool operator==(const TextBoxFields&, const TextBoxFields&) = default;
};

struct TextBoxRecord : TextBoxFields {
  static constexpr std::uint8_t kKind = 8;
  static constexpr int kWriteCode = 1033;
  static constexpr int kReadCode = 1034;
  // The lines as stored, each followed by CR LF (see TextBoxText); kept byte for byte.
  std::string text;
  friend bool operator==(const TextBoxRecord&, const TextBoxRecord&) = default;
};
void VisitFields(FieldVisitor& v, TextBoxRecord& r);

// The stored form of a box's lines: every line followed by CR LF.
std::string TextBoxText(std::span<const std::string> lines);

struct RichTextRecord : TextBoxFields {
  static constexpr std::uint8_t kKind = 9;
  static constexpr int kWriteCode = 1031;
  static constexpr int kReadCode = 1032;
  // The rich edit control's saved content: rich text format, or plain text when plainText is on.
  std::string richText;
  bool plainText = false;
  friend bool operator==(const RichTextRecord&, const RichTextRecord&) = default;
};
void VisitFields(FieldVisitor& v, RichTextRecord& r);

struct AviRecord {
  static constexpr std::uint8_t kKind = 10;
  static constexpr int kWriteCode = 1011;
  static constexpr int kReadCode = 1012;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  std::string fileName;  // the clip
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 105;
  std::int32_t height = 105;
  friend bool operator==(const AviRecord&, const AviRecord&) = default;
};
void VisitFields(FieldVisitor& v, AviRecord& r);

// One record for both the browser and the editor's placeholder panel; they differ only in the
// codes they report with. The bounds read are also the bounds the browser restores on each show.
struct ExplorerRecord {
  static constexpr std::uint8_t kKind = 11;
  static constexpr int kWriteCode = 1027;
  static constexpr int kReadCode = 1028;
  static constexpr int kPlaceholderWriteCode = 1029;
  static constexpr int kPlaceholderReadCode = 1030;
  std::uint8_t align = 0;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  std::uint8_t explorerType = kExplorerWebSite;  // stored ordinal of kExplorerTypeNames
  std::string location;  // folder, web address or file, by type
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;
  friend bool operator==(const ExplorerRecord&, const ExplorerRecord&) = default;
};
void VisitFields(FieldVisitor& v, ExplorerRecord& r);

struct MediaPlayerRecord {
  static constexpr std::uint8_t kKind = 12;
  static constexpr int kWriteCode = 1025;
  static constexpr int kReadCode = 1026;
  std::int32_t reserved = 0;  // no meaning; written back as read
  bool fullScreenState = false;
  bool play = true;
  bool controlBar = true;
  bool border = false;
  bool loop = true;
  std::string mediaFile;
  std::string hint;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 185;
  friend bool operator==(const MediaPlayerRecord&, const MediaPlayerRecord&) = default;
};
void VisitFields(FieldVisitor& v, MediaPlayerRecord& r);

struct FlashRecord {
  static constexpr std::uint8_t kKind = 18;
  static constexpr int kWriteCode = 1009;
  static constexpr int kReadCode = 1010;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  std::uint8_t align = 0;
  bool loop = true;
  bool contextMenu = true;
  std::string movieFile;
  std::string reservedText;  // no meaning; written back as read
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 105;
  friend bool operator==(const FlashRecord&, const FlashRecord&) = default;
};
void VisitFields(FieldVisitor& v, FlashRecord& r);

}  // namespace plexara
