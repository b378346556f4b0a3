// How the property grid shows stored values and reads typed ones: colour names, picture kinds,
// percentages held as bytes, switches, and the integer parser every number row uses.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "storage/font_data.h"
#include "storage/picture.h"

namespace plexara {

// A colour with a name: the 16 standard colours, the four extended ones and the system colours
// (a system colour is stored with the top bit set and its index in the low byte).
struct NamedColor {
  std::string_view identifier;  // "MoneyGreen", "BtnFace", ...
  ColorRef color;
};

// The named colours in the order names are looked up: standard, extended, system.
std::span<const NamedColor> NamedColors();

// The identifier with a blank before every further capital letter: "MoneyGreen" -> "Money Green".
std::string PrettyColorName(std::string_view identifier);

// The pretty name of the first named colour whose value equals `color` exactly; "Custom" when none.
std::string ColorName(ColorRef color);
inline constexpr std::string_view kCustomColorName = "Custom";

// The picture's kind as the grid shows it in brackets: "None" for no picture, else the graphic
// class ("Bitmap", "Icon", "Metafile", "JPEGImage", "GIFImage", "PNGImage").
std::string_view PictureKindName(const Picture& picture);

// A 0..255 byte as a percentage 0..100 and back, both rounded to the nearest integer, ties to even.
int PercentFromByte(int byte);
int ByteFromPercent(int percent);

std::string_view BoolText(bool value);  // "True" / "False"

// Optional leading blanks, an optional sign, then decimal digits, or "$" and hexadecimal digits
// (at most 32 bits, taken as a signed value). Nothing may follow. nullopt when it does not parse.
std::optional<std::int32_t> ParseIntText(std::string_view text);

// The bounds of a number row: clamped to the maximum first, then to the minimum.
struct NumberBounds {
  std::optional<std::int32_t> minimum;
  std::optional<std::int32_t> maximum;
};
std::int32_t ClampToBounds(std::int32_t value, const NumberBounds& bounds);

// The message a number row shows for text that does not parse: "\"12a\" is not a valid value."
std::string InvalidValueMessage(std::string_view text);

}  // namespace plexara
