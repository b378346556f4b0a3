// The 24-bit side of the text effect engine: the foreground buffer (the colours laid through a
// mask) with its fills (gradient, texture, noise), the composition buffer, and the two ways of
// laying colour through a mask onto a canvas, BlendColor and BlendForeground. Everything is
// integer arithmetic with fixed rounding, so a rendered run is the same on every build.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "storage/bitmap.h"
#include "storage/codecs/picture_codec.h"
#include "storage/fx_effect.h"
#include "storage/result.h"
#include "textfx/fx_canvas.h"
#include "textfx/fx_mask.h"

namespace plexara {

class TFxRandom;

// BlendForeground with a foreground that is not exactly the mask's size.
class EInvalidForeground : public std::runtime_error {
 public:
  EInvalidForeground() : std::runtime_error("Invalid foreground bitmap!") {}
};

// Draws a metafile payload stretched to width × height; the Win32 side passes RenderMetafile
// (storage/codecs/metafile_render.h). Without one, metafile textures draw nothing.
using TFxMetafileRenderer = Result<Bitmap> (*)(ByteSpan payload, int width, int height);

// The steps of one gradient fill: position i of n (a column for horizontal styles, a row for
// vertical ones) gets colour steps[i]. Unknown stored styles draw as gsLeftToRight.
void FxGradientSteps(std::uint8_t style, TFxRgb start, TFxRgb end, int n, TFxRgb* steps);
// True for the styles whose steps run along the rows (top to bottom, bottom to top, centre to
// top and bottom).
bool FxGradientIsVertical(std::uint8_t style);

// Lays `color` through `mask` onto `target` with `opacity` 0…100: k = coverage × (opacity × 256 ÷
// 100) ÷ 256; 0 keeps the pixel, 255 sets the colour, else d + ⌊(C − d) × k ÷ 256⌋ modulo 256 per
// channel. Both helpers work on one row of `width` pixels.
void FxBlendRowColor(TFxRgb* target, const std::uint8_t* mask, int width, int opacity,
                     TFxRgb color);
void FxBlendRowForeground(TFxRgb* target, const std::uint8_t* mask, int width, int opacity,
                          const TFxRgb* foreground);

class TFxBlend {
 public:
  TFxRgbBuffer& Foreground() { return foreground_; }
  const TFxRgbBuffer& Foreground() const { return foreground_; }
  TFxRgbBuffer& Composition() { return composition_; }

  // Composition = the canvas pixels under the run when its brush is clear, else the brush colour;
  // the mask lays `color` (or the foreground) through with `opacity` 0…100; the result goes back
  // to the canvas at (x, y).
  void BlendColor(TFxCanvas& canvas, int x, int y, const TFxMask& mask, int opacity, TFxRgb color);
  // EInvalidForeground unless Foreground() has exactly the mask's width and height.
  void BlendForeground(TFxCanvas& canvas, int x, int y, const TFxMask& mask, int opacity);

  // Foreground fills of width × height.
  void FillGradient(std::uint8_t style, TFxRgb start, TFxRgb end, int width, int height);
  // The font colour, then the picture by `mode` (tmTiled from (0, 0), tmStretched over the whole
  // buffer, tmCenter once in the middle, tmNormal once at (0, 0)). For tmStretched an icon is first
  // put on an opaque square of its size in `windowText`. Pictures with an alpha channel are laid
  // over what is below.
  void FillTexture(const Picture& picture, std::uint8_t mode, int width, int height,
                   TFxRgb fontColor, TFxRgb windowText, TFxMetafileRenderer renderMetafile);
  // Noise only: each channel (red, green, blue drawn in that order) is the font colour's channel
  // + random(0…noise−1) − noise ÷ 2, clamped to 0…255.
  void FillNoise(TFxRgb fontColor, int noise, int width, int height, TFxRandom& random);
  // Noise over the present fill: each channel byte, in memory order, moves the same way.
  void AddNoise(int noise, TFxRandom& random);

 private:
  void Compose(TFxCanvas& canvas, int x, int y, int width, int height);

  TFxRgbBuffer foreground_;
  TFxRgbBuffer composition_;
};

}  // namespace plexara
