// The kind records of Button, ImageButton and Image: the bytes that follow an object's common
// record in a page file, as plain data holding the state of a new object of the kind.
#pragma once

#include <cstdint>
#include <string>

#include "storage/font_data.h"
#include "storage/kind_table.h"
#include "storage/picture.h"
#include "storage/record_fields.h"

namespace plexara {

// What a click on a Button or ImageButton means to its page.
inline constexpr std::uint8_t kButtonTypeNormal = 0;
inline constexpr std::uint8_t kButtonTypeOk = 1;
inline constexpr std::uint8_t kButtonTypeCancel = 2;
inline constexpr std::uint8_t kButtonTypeSubmit = 3;

inline constexpr std::uint8_t kButtonStyleNormal = 0;
inline constexpr std::uint8_t kButtonStyleFlat = 1;
inline constexpr std::uint8_t kButtonStyleBorderNone = 2;

inline constexpr std::uint8_t kImageLayoutLeft = 0;
inline constexpr std::uint8_t kImageLayoutTop = 1;
inline constexpr std::uint8_t kImageLayoutRight = 2;
inline constexpr std::uint8_t kImageLayoutBottom = 3;
inline constexpr std::uint8_t kImageLayoutCenter = 4;
inline constexpr std::uint8_t kImageLayoutStretch = 5;

// Which of an Image's pictures is shown.
inline constexpr std::int32_t kShownLookNone = -1;
inline constexpr std::int32_t kShownLookNormal = 0;
inline constexpr std::int32_t kShownLookMouseOver = 1;
inline constexpr std::int32_t kShownLookMouseDown = 2;

struct ButtonRecord {
  static constexpr std::uint8_t kKind = 0;
  static constexpr int kWriteCode = 1045;
  static constexpr int kReadCode = 1046;

  std::int16_t cursor = 0;
  std::string caption = "New Button";
  std::string hint;
  FontData font;
  std::uint8_t buttonType = kButtonTypeNormal;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 105;
  std::int32_t height = 25;

  friend bool operator==(const ButtonRecord&, const ButtonRecord&) = default;
};
void VisitFields(FieldVisitor& v, ButtonRecord& r);

struct ImageButtonRecord {
  static constexpr std::uint8_t kKind = 1;
  static constexpr int kWriteCode = 1049;
  static constexpr int kReadCode = 1050;

  ImageButtonRecord() { mouseOverFont.color = kColorWhite; }

  std::string caption = "New ImageButton";
  Picture mouseDownImage;
  Picture normalImage;
  Picture mouseOverImage;
  FontData mouseDownFont;
  FontData normalFont;
  FontData mouseOverFont;
  std::string hint;
  std::uint8_t buttonStyle = kButtonStyleNormal;
  std::int32_t margin = 2;  // pixels from the edge to picture and caption
  std::uint8_t imageLayout = kImageLayoutLeft;
  std::int32_t space = 2;  // pixels between picture and caption
  bool mouseDownSlide = true;
  std::uint8_t buttonType = kButtonTypeNormal;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 105;
  std::int32_t height = 25;

  friend bool operator==(const ImageButtonRecord&, const ImageButtonRecord&) = default;
};
void VisitFields(FieldVisitor& v, ImageButtonRecord& r);

struct ImageRecord {
  static constexpr std::uint8_t kKind = 2;
  static constexpr int kWriteCode = 1047;
  static constexpr int kReadCode = 1048;

  bool autoSize = false;
  bool center = false;
  std::int32_t height = 105;
  std::string hint;
  std::int32_t left = 0;
  bool stretch = false;
  std::int32_t top = 0;
  bool transparent = false;
  std::int32_t width = 105;
  bool pressed = false;  // run-time states, saved as they were and restored on read
  bool hover = false;
  // Written as it was; a reader always starts from "none yet" so the first choice copies a picture.
  std::int32_t shownLook = kShownLookNone;
  Picture mouseDownImage;
  Picture normalImage;
  Picture mouseOverImage;

  friend bool operator==(const ImageRecord&, const ImageRecord&) = default;
};
void VisitFields(FieldVisitor& v, ImageRecord& r);

}  // namespace plexara
