// The effect set of one anti-aliased text run as plain data: opacity, rotation, blur, noise,
// spray, outline, mirrors, and the shadow, gradient and texture sub-effects with their defaults.
// The text engine reads it; page files carry it through the text-effect stream primitive.
#pragma once

#include <cstdint>

#include "storage/font_data.h"
#include "storage/picture.h"

namespace plexara {

enum class TGradientStyle : std::uint8_t {
  gsLeftToRight, gsRightToLeft, gsTopToBottom, gsBottomToTop, gsCenterToLR, gsCenterToTB
};
enum class TTextureMode : std::uint8_t { tmTiled, tmStretched, tmCenter, tmNormal };

struct TFxShadow {
  bool enabled = false;
  std::uint8_t blur = 80;   // percent
  std::uint8_t alpha = 70;  // percent
  ColorRef color = RgbColor(68, 68, 68);
  std::int8_t offsetX = 2;
  std::int8_t offsetY = 2;
  friend bool operator==(const TFxShadow&, const TFxShadow&) = default;
};

struct TFxGradient {
  bool enabled = false;
  // Kept as the stored ordinal so files with values we do not know still round-trip.
  std::uint8_t style = static_cast<std::uint8_t>(TGradientStyle::gsLeftToRight);
  ColorRef startColor = kColorWhite;
  ColorRef endColor = kColorBlack;
  friend bool operator==(const TFxGradient&, const TFxGradient&) = default;
};

struct TFxTexture {
  bool enabled = false;
  std::uint8_t mode = static_cast<std::uint8_t>(TTextureMode::tmTiled);  // stored ordinal
  Picture picture;
  friend bool operator==(const TFxTexture&, const TFxTexture&) = default;
};

struct TFxEffect {
  std::uint8_t alpha = 100;  // percent opacity
  std::uint8_t blur = 0;     // percent
  std::int16_t angle = 0;    // degrees, counter-clockwise
  std::uint8_t noise = 0;
  std::uint8_t spray = 0;
  bool outline = false;
  bool horzMirror = false;
  bool vertMirror = false;
  TFxShadow shadow;
  TFxGradient gradient;
  TFxTexture texture;
  friend bool operator==(const TFxEffect&, const TFxEffect&) = default;
};

}  // namespace plexara
