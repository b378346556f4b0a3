// The kind records of the six text kinds (Label, Link, FadeLabel, Text, ScrollText, SimpleText):
// the bytes that follow an object's common record in a page file, as plain data holding the state
// of a new object of the kind. Pages build and update the controls from these.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/font_data.h"
#include "storage/font_labels.h"
#include "storage/fx_effect.h"
#include "storage/kind_table.h"
#include "storage/picture.h"
#include "storage/record_fields.h"

namespace plexara {

// Stored ordinals of the text controls' enumerations.
inline constexpr std::uint8_t kBackImageTiled = 0;
inline constexpr std::uint8_t kBackImageStretched = 1;
inline constexpr std::uint8_t kBackImageCentred = 2;
inline constexpr std::uint8_t kBackImageNormal = 3;
inline constexpr std::uint8_t kQualityHigh = 0;
inline constexpr std::uint8_t kQualityNormal = 1;
inline constexpr std::uint8_t kQualityLow = 2;
inline constexpr std::uint8_t kQualityNone = 3;
inline constexpr std::uint8_t kLabelEffectOnlyALine = 0;
inline constexpr std::uint8_t kLabelEffectUntilNextLabel = 1;
inline constexpr std::uint8_t kAlignmentLeft = 0;
inline constexpr std::uint8_t kAlignmentRight = 1;
inline constexpr std::uint8_t kAlignmentCentre = 2;
inline constexpr std::uint8_t kLayoutTop = 0;
inline constexpr std::uint8_t kLayoutCentre = 1;
inline constexpr std::uint8_t kLayoutBottom = 2;

// The effect set new anti-aliased text objects get: the default shadow and the texture switched on.
TFxEffect NewTextEffect();
// The font new anti-aliased text objects get.
FontData NewTextFont();

struct LabelRecord {
  static constexpr std::uint8_t kKind = 3;
  static constexpr int kWriteCode = 1043;
  static constexpr int kReadCode = 1044;

  // The normal look (shared with Link).
  std::uint8_t align = 0;
  bool autoSize = true;
  std::int32_t margin = 0;
  std::uint8_t alignment = kAlignmentLeft;
  ColorRef backColor = kColorSystemButtonFace;
  Picture backImage;
  std::uint8_t backImageStyle = kBackImageCentred;
  std::uint8_t layout = kLayoutTop;
  std::uint8_t quality = kQualityNormal;
  bool transparent = true;
  TFxEffect effect = NewTextEffect();
  // The tail (shared with Link).
  std::int16_t cursor = 0;
  std::string caption = "New Label";
  std::string hint;
  FontData font = NewTextFont();
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 105;
  std::int32_t height = 25;

  friend bool operator==(const LabelRecord&, const LabelRecord&) = default;
};
void VisitFields(FieldVisitor& v, LabelRecord& r);

// A label with a hot look shown while the pointer is over it. On disk the hot look sits between
// the label's look and its tail.
struct LinkRecord : LabelRecord {
  static constexpr std::uint8_t kKind = 4;
  static constexpr int kWriteCode = 1039;
  static constexpr int kReadCode = 1040;

  LinkRecord() {
    caption = "New Link";
    // The control measures itself; these are its size before it first does.
    width = 46;
    height = 12;
  }

  ColorRef hotBackColor = kColorSystemButtonFace;
  Picture hotBackImage;
  std::uint8_t hotBackImageStyle = kBackImageCentred;
  ColorRef fontColor = RgbColor(0, 0, 255);  // the hot font colour
  bool fade = true;
  std::uint32_t fadeDelay = 600;  // ms
  bool hotTransparent = true;
  bool underLine = false;
  std::string url;  // opened on click when set; the editor offers no field for it
  TFxEffect hotEffect = NewTextEffect();

  friend bool operator==(const LinkRecord&, const LinkRecord&) = default;
};
void VisitFields(FieldVisitor& v, LinkRecord& r);

struct FadeLabelRecord {
  static constexpr std::uint8_t kKind = 5;
  static constexpr int kWriteCode = 1035;
  static constexpr int kReadCode = 1036;

  bool active = true;
  std::uint8_t align = 0;
  bool autoSize = false;
  std::int32_t margin = 0;
  std::uint8_t alignment = kAlignmentCentre;
  ColorRef backColor = kColorWhite;
  Picture backImage;
  std::uint8_t backImageStyle = kBackImageCentred;
  TFxEffect effect;
  std::uint8_t labelEffect = kLabelEffectUntilNextLabel;
  std::string lines;  // all lines joined with CR LF
  std::uint8_t quality = kQualityNormal;
  bool transparent = false;
  TFontLabels fontLabels;
  std::int32_t repeatCount = 0;  // 0 = endless
  std::uint32_t fadeDelay = 600;    // ms
  std::uint8_t layout = kLayoutCentre;
  std::uint32_t lineDelay = 3000;  // ms
  std::int16_t cursor = 0;
  std::string hint;
  FontData font;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 105;
  std::int32_t height = 25;

  friend bool operator==(const FadeLabelRecord&, const FadeLabelRecord&) = default;
};
void VisitFields(FieldVisitor& v, FadeLabelRecord& r);

struct TextRecord {
  static constexpr std::uint8_t kKind = 6;
  static constexpr int kWriteCode = 1041;
  static constexpr int kReadCode = 1042;

  std::uint8_t align = 0;
  bool autoSize = false;
  std::int32_t margin = 0;
  std::uint8_t alignment = kAlignmentLeft;
  ColorRef backColor = kColorSystemButtonFace;
  Picture backImage;
  std::uint8_t backImageStyle = kBackImageCentred;
  TFxEffect effect = NewTextEffect();
  std::uint8_t labelEffect = kLabelEffectUntilNextLabel;
  std::string text = "New Text";  // all lines joined with CR LF
  std::uint8_t quality = kQualityNormal;
  std::int16_t rowPitch = 20;  // percent of a line's height added below it
  bool transparent = true;
  bool wordWrap = false;
  TFontLabels fontLabels;
  std::int16_t cursor = 0;
  std::string hint;
  FontData font = NewTextFont();
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;

  friend bool operator==(const TextRecord&, const TextRecord&) = default;
};
void VisitFields(FieldVisitor& v, TextRecord& r);

struct ScrollTextRecord {
  static constexpr std::uint8_t kKind = 7;
  static constexpr int kWriteCode = 1037;
  static constexpr int kReadCode = 1038;

  bool active = true;  // stored, but a loaded scroll text always scrolls
  std::uint8_t align = 0;
  std::uint8_t alignment = kAlignmentCentre;
  ColorRef backColor = kColorWhite;
  Picture backImage;
  std::uint8_t backImageStyle = kBackImageTiled;
  bool fade = true;
  std::int32_t fadeHeight = 10;
  FontData font = NewTextFont();
  TFxEffect effect = NewTextEffect();
  std::int32_t headSpace = 0;  // percent of the control height
  std::uint8_t labelEffect = kLabelEffectUntilNextLabel;
  std::string text = "New Scroll Text";  // all lines joined with CR LF
  std::uint8_t quality = kQualityNormal;
  std::int16_t rowPitch = 20;
  std::int32_t tailSpace = 60;  // percent of the control height
  bool wordWrap = false;        // a 32-bit slot whose first byte is the flag
  TFontLabels fontLabels;
  std::int32_t repeatCount = 0;     // 0 = endless
  std::uint16_t repeatDelay = 2000;  // ms, a 16-bit value in a 32-bit slot
  std::uint16_t scrollDelay = 60;    // ms, likewise
  std::int32_t scrollStep = 1;       // pixels per tick; negative scrolls downward
  std::int16_t cursor = 0;
  std::string hint;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;

  friend bool operator==(const ScrollTextRecord&, const ScrollTextRecord&) = default;
};
void VisitFields(FieldVisitor& v, ScrollTextRecord& r);

// A plain label with normal, hot and pressed looks. Newer records put a -1 marker where older ones
// ended with the height, followed by the pressed look and the height.
struct SimpleTextRecord {
  static constexpr std::uint8_t kKind = 17;
  static constexpr int kWriteCode = 1007;
  static constexpr int kReadCode = 1008;
  static constexpr std::int32_t kMarker = -1;

  SimpleTextRecord() {
    hotFont.color = kColorWhite;
  }

  std::int16_t cursor = 0;
  std::string hint;
  std::string caption = "New SimpleText";
  std::uint8_t align = 0;
  std::uint8_t alignment = kAlignmentLeft;
  bool autoSize = false;
  std::uint8_t layout = kLayoutTop;
  bool transparent = true;
  ColorRef backColor = kColorSystemButtonFace;
  ColorRef hotBackColor = RgbColor(0, 0, 255);
  FontData font;  // the normal look
  FontData hotFont;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 105;
  ColorRef mouseDownBackColor = kColorSystemButtonFace;
  FontData mouseDownFont;
  std::int32_t height = 17;

  friend bool operator==(const SimpleTextRecord&, const SimpleTextRecord&) = default;
};
void VisitFields(FieldVisitor& v, SimpleTextRecord& r);

}  // namespace plexara
