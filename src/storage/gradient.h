// The colour arithmetic of the two gradients the player draws, and the page background built from
// it: `GradientFill` (the Shape's fill and the custom hint window's back, eight styles) and the
// page background of `RedrawBackground` (nine gradient styles and the four ways of laying the
// BackImage). Everything here is integer arithmetic over plain colours, so the Win32 side only
// draws the lines and pixels worked out here.
#pragma once

#include <cstdint>
#include <vector>

#include "storage/bitmap.h"
#include "storage/codecs/picture_codec.h"
#include "storage/font_data.h"
#include "storage/page_file.h"
#include "storage/result.h"

namespace plexara {

// Turns a stored colour value into plain red, green and blue (alpha 255). Values with the top bit
// set name a system colour, which only the platform knows; the Win32 side passes
// ResolveColorWin32 (objects/shape_paint_win32.h).
using ColorResolver = Bgra (*)(ColorRef color);
// Draws a metafile payload stretched to width × height; the Win32 side passes RenderMetafile
// (storage/codecs/metafile_render.h). Without one, a metafile background image is left out.
using MetafileRenderer = Result<Bitmap> (*)(ByteSpan payload, int width, int height);

// The opaque colour of a plain colour value (red in the low byte); the top byte is ignored.
Bgra PlainColor(ColorRef color);

// Colour i of a run of n steps from a to b, per channel a + (b − a) × i ÷ n with the quotient
// rounded to the nearest integer, halves to the even neighbour, kept to 8 bits. A run of no steps
// (n ≤ 0, a one-pixel band split in two halves) stays at a instead of dividing by zero. Counts are
// 64-bit so that a rectangle of any stored size works without overflow.
Bgra Blend(Bgra a, Bgra b, std::int64_t n, std::int64_t i);

// One colour per row (rows == true) or per column, for the lines first, first + 1, ... in order.
// A line-drawing caller draws each across the whole rectangle; the last colour is also the last
// one drawn.
struct GradientLines {
  bool rows = true;
  int first = 0;
  std::vector<Bgra> colors;
};

struct GradientRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// GradientFill styles 1..8 (top-bottom, bottom-top, left-right, right-left, middle-top-bottom,
// top-bottom-middle, middle-left-right, left-right-middle) with first colour a and second colour
// b; other styles draw nothing. Styles 1, 2, 5 and 6 run along rows, the others along columns.
bool IsGradientFillStyle(int style);
bool GradientFillByRows(int style);
// The colour of row or column `line` of `rect`, for a caller that draws only the lines it can see.
Bgra GradientFillColor(int style, Bgra a, Bgra b, const GradientRect& rect, int line);
// Every line of `rect`; any other style, or an empty rectangle, gives no lines.
GradientLines GradientFillLines(int style, Bgra a, Bgra b, const GradientRect& rect);

// The page background gradient, styles 0..8 (0 "None" and unknown styles fill with the back
// colour), as the lines of a width × height client.
GradientLines PageGradientLines(int style, Bgra back, Bgra gradient, int width, int height);

// Where a background image of imageWidth × imageHeight goes on a width × height client: a grid of
// columns × rows cells of cellWidth × cellHeight starting at (x, y), the image scaled into each
// cell. Styles 0 "Normal", 1 "Center", 2 "Stretch", 3 "Tile"; other styles place nothing
// (columns and rows 0).
struct ImagePlacement {
  int x = 0;
  int y = 0;
  int cellWidth = 0;
  int cellHeight = 0;
  int columns = 0;
  int rows = 0;
};
ImagePlacement PlaceBackgroundImage(int style, int width, int height, int imageWidth,
                                    int imageHeight);

// The page background of a width × height client: the gradient, then the BackImage (its first
// frame, laid over with its alpha; a metafile through `renderMetafile`). An empty bitmap when the
// size is empty or beyond the picture caps.
Bitmap RenderPageBackground(const PageData& page, int width, int height, ColorResolver resolve,
                            MetafileRenderer renderMetafile);

}  // namespace plexara
