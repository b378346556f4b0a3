#include "properties/color_palette.h"

#include <algorithm>
#include <array>

namespace plexara {
namespace {

constexpr int kSwatch = 14;
constexpr int kStep = 16;  // swatch and gap
constexpr int kMargin = 4;
constexpr int kColumns = 16;
constexpr int kHueRows = 6;
constexpr Bgra kBackground{216, 233, 236, 255};  // a warm grey no swatch uses

Bgra ToBgra(ColorRef color) {
  return Bgra{static_cast<std::uint8_t>((color >> 16) & 0xFF), static_cast<std::uint8_t>((color >> 8) & 0xFF),
              static_cast<std::uint8_t>(color & 0xFF), 255};
}

// A hue (0..359) at full saturation, then lightened (level > 0) towards white or darkened
// (level < 0) towards black.
ColorRef HueColor(int hue, int level) {
  const int sector = hue / 60, offset = (hue % 60) * 255 / 60;
  int r = 0, g = 0, b = 0;
  switch (sector) {
    case 0: r = 255; g = offset; break;
    case 1: r = 255 - offset; g = 255; break;
    case 2: g = 255; b = offset; break;
    case 3: g = 255 - offset; b = 255; break;
    case 4: r = offset; b = 255; break;
    default: r = 255; b = 255 - offset; break;
  }
  auto shade = [level](int c) { return level >= 0 ? c + (255 - c) * level / 4 : c * (4 + level) / 4; };
  return RgbColor(static_cast<std::uint8_t>(shade(r)), static_cast<std::uint8_t>(shade(g)),
                  static_cast<std::uint8_t>(shade(b)));
}

constexpr std::array<ColorRef, 16> kStandard = {
    RgbColor(0, 0, 0),     RgbColor(128, 0, 0),   RgbColor(0, 128, 0),   RgbColor(128, 128, 0),
    RgbColor(0, 0, 128),   RgbColor(128, 0, 128), RgbColor(0, 128, 128), RgbColor(128, 128, 128),
    RgbColor(192, 192, 192), RgbColor(255, 0, 0), RgbColor(0, 255, 0),   RgbColor(255, 255, 0),
    RgbColor(0, 0, 255),   RgbColor(255, 0, 255), RgbColor(0, 255, 255), RgbColor(255, 255, 255)};

}  // namespace

ColorPalette::ColorPalette() {
  // Row 0: the standard colours; then the hues from dark to light; then greys; then white and
  // black, wide, with room under them for their markers.
  for (int column = 0; column < kColumns; ++column) {
    swatches_.push_back({{kMargin + column * kStep, kMargin, kSwatch, kSwatch}, kStandard[column], false});
  }
  const std::array<int, kHueRows> levels = {-2, -1, 0, 1, 2, 3};
  for (int row = 0; row < kHueRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const ColorRef color = HueColor(column * 360 / kColumns, levels[row]);
      swatches_.push_back({{kMargin + column * kStep, kMargin + (row + 1) * kStep, kSwatch, kSwatch}, color, false});
    }
  }
  for (int column = 0; column < kColumns; ++column) {
    const auto grey = static_cast<std::uint8_t>(16 + column * 224 / (kColumns - 1));
    swatches_.push_back(
        {{kMargin + column * kStep, kMargin + (kHueRows + 1) * kStep, kSwatch, kSwatch}, RgbColor(grey, grey, grey), false});
  }
  const int bottom = kMargin + (kHueRows + 2) * kStep;
  const int half = kColumns * kStep / 2;
  swatches_.push_back({{kMargin, bottom, half - 2, kSwatch}, RgbColor(255, 255, 255), true});
  swatches_.push_back({{kMargin + half, bottom, half - 2, kSwatch}, RgbColor(0, 0, 0), true});

  picture_ = Bitmap(2 * kMargin + kColumns * kStep - 2, bottom + kSwatch + 8 + kMargin, kBackground);
  for (const Swatch& swatch : swatches_) {
    for (int y = 0; y < swatch.rect.height; ++y)
      for (int x = 0; x < swatch.rect.width; ++x) picture_.at(swatch.rect.left + x, swatch.rect.top + y) = ToBgra(swatch.color);
  }
}

ColorRef ColorPalette::background() const { return RgbColor(kBackground.r, kBackground.g, kBackground.b); }

std::optional<ColorRef> ColorPalette::PickAt(int x, int y) const {
  for (const int dy : {0, 1, -1}) {
    const int py = y + dy;
    if (x < 0 || py < 0 || x >= picture_.width() || py >= picture_.height()) continue;
    const Bgra pixel = picture_.at(x, py);
    if (pixel == kBackground) continue;
    return RgbColor(pixel.r, pixel.g, pixel.b);
  }
  return std::nullopt;
}

std::optional<PaletteMarker> ColorPalette::MarkerFor(ColorRef color) const {
  // White and black appear among the standard colours too; their own swatches carry the marker.
  for (const bool fixed : {true, false}) {
    for (const Swatch& swatch : swatches_) {
      if (swatch.fixed == fixed && swatch.color == color) return PaletteMarker{swatch.rect, swatch.fixed};
    }
  }
  return std::nullopt;
}

}  // namespace plexara
