// The colour editor's palette picture: rows of swatches on a plain background, with white and
// black as two larger swatches of their own. Picking never returns the background: a click
// between swatches tries the pixel below, then the one above.
#pragma once

#include <optional>
#include <vector>

#include "storage/bitmap.h"
#include "storage/font_data.h"

namespace plexara {

struct PaletteRect {
  int left, top, width, height;
};

// Where the editor draws the marker of a colour: around its swatch, or, for white and black,
// under their own swatches.
struct PaletteMarker {
  PaletteRect swatch;
  bool fixed;  // white or black
};

class ColorPalette {
 public:
  ColorPalette();

  const Bitmap& picture() const { return picture_; }
  ColorRef background() const;
  // The colour under (x, y), or the one below or above it when (x, y) is background.
  std::optional<ColorRef> PickAt(int x, int y) const;
  // The marker of a colour the palette holds.
  std::optional<PaletteMarker> MarkerFor(ColorRef color) const;

 private:
  struct Swatch {
    PaletteRect rect;
    ColorRef color;
    bool fixed;
  };
  std::vector<Swatch> swatches_;
  Bitmap picture_;
};

}  // namespace plexara
