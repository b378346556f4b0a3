#include "properties/value_formats.h"

#include <array>
#include <cmath>

namespace plexara {
namespace {

constexpr ColorRef SystemColor(int index) { return static_cast<ColorRef>(0x80000000U | static_cast<unsigned>(index)); }

constexpr std::array<NamedColor, 50> kNamedColors = {{
    {"Black", RgbColor(0, 0, 0)},
    {"Maroon", RgbColor(128, 0, 0)},
    {"Green", RgbColor(0, 128, 0)},
    {"Olive", RgbColor(128, 128, 0)},
    {"Navy", RgbColor(0, 0, 128)},
    {"Purple", RgbColor(128, 0, 128)},
    {"Teal", RgbColor(0, 128, 128)},
    {"Gray", RgbColor(128, 128, 128)},
    {"Silver", RgbColor(192, 192, 192)},
    {"Red", RgbColor(255, 0, 0)},
    {"Lime", RgbColor(0, 255, 0)},
    {"Yellow", RgbColor(255, 255, 0)},
    {"Blue", RgbColor(0, 0, 255)},
    {"Fuchsia", RgbColor(255, 0, 255)},
    {"Aqua", RgbColor(0, 255, 255)},
    {"White", RgbColor(255, 255, 255)},
    {"MoneyGreen", RgbColor(192, 220, 192)},
    {"SkyBlue", RgbColor(166, 202, 240)},
    {"Cream", RgbColor(255, 251, 240)},
    {"MedGray", RgbColor(160, 160, 164)},
    // The platform's system colour indices (index 25 is unused by the platform).
    {"ScrollBar", SystemColor(0)},
    {"Background", SystemColor(1)},
    {"ActiveCaption", SystemColor(2)},
    {"InactiveCaption", SystemColor(3)},
    {"Menu", SystemColor(4)},
    {"Window", SystemColor(5)},
    {"WindowFrame", SystemColor(6)},
    {"MenuText", SystemColor(7)},
    {"WindowText", SystemColor(8)},
    {"CaptionText", SystemColor(9)},
    {"ActiveBorder", SystemColor(10)},
    {"InactiveBorder", SystemColor(11)},
    {"AppWorkSpace", SystemColor(12)},
    {"Highlight", SystemColor(13)},
    {"HighlightText", SystemColor(14)},
    {"BtnFace", SystemColor(15)},
    {"BtnShadow", SystemColor(16)},
    {"GrayText", SystemColor(17)},
    {"BtnText", SystemColor(18)},
    {"InactiveCaptionText", SystemColor(19)},
    {"BtnHighlight", SystemColor(20)},
    {"3DDkShadow", SystemColor(21)},
    {"3DLight", SystemColor(22)},
    {"InfoText", SystemColor(23)},
    {"InfoBk", SystemColor(24)},
    {"HotLight", SystemColor(26)},
    {"GradientActiveCaption", SystemColor(27)},
    {"GradientInactiveCaption", SystemColor(28)},
    {"MenuHighlight", SystemColor(29)},
    {"MenuBar", SystemColor(30)},
}};

}  // namespace

std::span<const NamedColor> NamedColors() { return kNamedColors; }

std::string PrettyColorName(std::string_view identifier) {
  std::string name;
  for (std::size_t i = 0; i < identifier.size(); ++i) {
    const char c = identifier[i];
    if (i > 0 && c >= 'A' && c <= 'Z') name += ' ';
    name += c;
  }
  return name;
}

std::string ColorName(ColorRef color) {
  for (const NamedColor& named : kNamedColors) {
    if (named.color == color) return PrettyColorName(named.identifier);
  }
  return std::string(kCustomColorName);
}

std::string_view PictureKindName(const Picture& picture) {
  if (picture.empty()) return "None";
  switch (*picture.graphicClass()) {
    case GraphicClass::Bitmap: return "Bitmap";
    case GraphicClass::Icon: return "Icon";
    case GraphicClass::Metafile: return "Metafile";
    case GraphicClass::Jpeg: return "JPEGImage";
    case GraphicClass::Gif: return "GIFImage";
    case GraphicClass::Png: return "PNGImage";
  }
  return "None";
}

int PercentFromByte(int byte) { return static_cast<int>(std::nearbyint(byte * 100.0 / 255.0)); }
int ByteFromPercent(int percent) { return static_cast<int>(std::nearbyint(percent * 255.0 / 100.0)); }

std::string_view BoolText(bool value) { return value ? "True" : "False"; }

std::optional<std::int32_t> ParseIntText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const bool hex = i < text.size() && text[i] == '$';
  if (hex) ++i;
  if (i == text.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFULL) return std::nullopt;
  }
  std::int64_t signedValue;
  if (hex) {
    signedValue = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  } else {
    if (value > (negative ? 0x80000000ULL : 0x7FFFFFFFULL)) return std::nullopt;
    signedValue = static_cast<std::int64_t>(value);
  }
  if (negative) signedValue = -signedValue;
  if (signedValue < INT32_MIN || signedValue > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(signedValue);
}

std::int32_t ClampToBounds(std::int32_t value, const NumberBounds& bounds) {
  if (bounds.maximum && value > *bounds.maximum) value = *bounds.maximum;
  if (bounds.minimum && value < *bounds.minimum) value = *bounds.minimum;
  return value;
}

std::string InvalidValueMessage(std::string_view text) {
  return "\"" + std::string(text) + "\" is not a valid value.";
}

}  // namespace plexara
