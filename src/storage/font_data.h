// A font as project files describe it: face, colour, size in points and style bits. Character set
// and pitch are never stored; readers leave them as the target font had them.
#pragma once

#include <cstdint>
#include <string>

namespace plexara {

// Style bits as stored: bit 0 bold, 1 italic, 2 underline, 3 strike-out.
enum FontStyleBit : std::uint8_t {
  kFontBold = 1 << 0,
  kFontItalic = 1 << 1,
  kFontUnderline = 1 << 2,
  kFontStrikeOut = 1 << 3,
};
inline constexpr std::uint8_t kFontStyleMask = 0x0F;

// Colour values follow the platform convention: red in the low byte, then green, then blue; a
// value with the top bit set names a system colour by the index in its low byte.
using ColorRef = std::int32_t;
inline constexpr ColorRef RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<ColorRef>(red | (green << 8) | (blue << 16));
}
inline constexpr ColorRef kColorBlack = RgbColor(0, 0, 0);
inline constexpr ColorRef kColorWhite = RgbColor(255, 255, 255);

struct FontData {
  std::string name = "Arial";
  ColorRef color = kColorBlack;
  std::int32_t size = 10;   // points
  std::uint8_t style = 0;   // FontStyleBit set
  // Not stored in files; kept by readers.
  std::uint8_t charset = 1;  // DEFAULT_CHARSET
  std::uint8_t pitch = 0;    // default pitch

  friend bool operator==(const FontData&, const FontData&) = default;
};

}  // namespace plexara
