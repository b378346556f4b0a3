// The seam between the text effect engine and whatever turns characters into pixels. The engine
// asks for a run's extent with a font and for the run drawn white (255) on the black (0) of an
// 8-bit buffer, both at the supersampled size it chooses. On Windows GDI does both
// (glyph_rasterizer_win32.h); native tests use a simple deterministic rasteriser.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "textfx/fx_canvas.h"

namespace plexara {

struct TFxTextSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TFxTextSize&, const TFxTextSize&) = default;
};

class GlyphRasterizer {
 public:
  virtual ~GlyphRasterizer() = default;

  // The extent of the run with `font` as the platform measures text: the width along the
  // baseline and the cell height, both unrotated whatever the font's escapement.
  virtual TFxTextSize Measure(const TFxCanvasFont& font, std::string_view text) = 0;

  // Draws the run in 255 into `pixels` (width × height bytes, rows `stride` bytes apart, row 0 at
  // the top, already 0 where nothing is drawn), the top-left corner of the run's cell at (x, y)
  // and the run turned about that corner by the font's escapement (tenths of a degree,
  // counter-clockwise on screen). Everything outside the buffer is clipped.
  virtual void Draw(const TFxCanvasFont& font, std::string_view text, int x, int y,
                    std::uint8_t* pixels, std::size_t stride, int width, int height) = 0;
};

}  // namespace plexara
