// The geometry of the Shape kind's 38 outlines, worked out from the client size, the border width
// and Parameter, apart from any drawing so it can be checked without a window. Codes 0..25 are one
// figure that can be filled; 26..33 are 3-D frames and 34..37 lines, both a few unfilled strokes.
// The Win32 painter (shape_paint_win32.cpp) turns these into GDI calls.
#pragma once

#include <cstdint>
#include <vector>

#include "storage/font_data.h"

namespace plexara {

inline constexpr int kLastFilledOutline = 25;  // codes 0..25 take a fill and a border
inline constexpr int kLastShapeOutline = 37;   // codes above paint nothing

struct ShapePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ShapePoint&, const ShapePoint&) = default;
};

enum class ShapeFigureKind : std::uint8_t {
  None,
  Rectangle,
  RoundRect,
  Ellipse,
  Polygon,
  Polyline
};

// Rectangle, RoundRect and Ellipse use the box (right and bottom as GDI takes them) and, for the
// round rectangle, the corner ellipse size; Polygon and Polyline use the points in drawing order.
struct ShapeFigure {
  ShapeFigureKind kind = ShapeFigureKind::None;
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int corner = 0;
  std::vector<ShapePoint> points;
  friend bool operator==(const ShapeFigure&, const ShapeFigure&) = default;
};

// The drawing rectangle: inset by borderWidth ÷ 2 on each side (a negative width counts as 0).
struct ShapeBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
ShapeBox ShapeDrawingBox(int width, int height, int borderWidth);

// The figure of outlines 0..25 on a width × height client; kind None for any other code. A fill
// that is clipped to the outline passes borderWidth 0, so the figure spans the whole client.
ShapeFigure ShapeOutline(int shape, int width, int height, int borderWidth, int parameter);

// The colour a stroke of a frame or line takes.
enum class ShapeInk : std::uint8_t { Border, Highlight, Shadow, Fixed };
struct ShapeStroke {
  ShapeInk ink = ShapeInk::Border;
  ColorRef fixed = kColorBlack;  // for ShapeInk::Fixed
  ShapeFigure figure;            // Polyline or unfilled RoundRect
};

// The strokes of outlines 26..37 in drawing order; empty for any other code. Frames are drawn one
// pixel wide; lines take the border pen.
std::vector<ShapeStroke> ShapeStrokes(int shape, int width, int height, int parameter);

}  // namespace plexara
