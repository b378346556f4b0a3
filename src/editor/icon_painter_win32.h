// Draws one small icon with GDI at four times its size and shrinks it with coverage as alpha, so
// the editor's palette, tool bar and tab icons have smooth edges and a transparent background at
// 16 and 24 pixels alike. Coordinates are on a 16-unit grid whatever the pixel size; on that grid
// a rectangle from 2 to 14 covers whole pixels at 16 pixels, and a one-unit line at y = 3.5 covers
// exactly pixel row 3.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "platform/gdi_objects_win32.h"
#include "storage/bitmap.h"

namespace plexara {

struct IconPoint {
  float x;
  float y;
};

class IconPainter {
 public:
  static constexpr COLORREF kNone = 0xFFFFFFFF;  // no fill or no edge
  // Edges are one unit wide and lie inside the shape's box.

  explicit IconPainter(int size);
  IconPainter(const IconPainter&) = delete;
  IconPainter& operator=(const IconPainter&) = delete;

  void Rect(float left, float top, float right, float bottom, COLORREF fill, COLORREF edge = kNone);
  void RoundRect(float left, float top, float right, float bottom, float radius, COLORREF fill,
                 COLORREF edge = kNone);
  void Ellipse(float left, float top, float right, float bottom, COLORREF fill, COLORREF edge = kNone);
  void Polygon(std::initializer_list<IconPoint> points, COLORREF fill, COLORREF edge = kNone);
  // A straight stroke with square ends, `width` units wide, centred on the two points.
  void Line(float x1, float y1, float x2, float y2, COLORREF colour, float width = 1);
  // One line of text centred in the box, `height` units tall.
  void Text(float left, float top, float right, float bottom, const char* text, COLORREF colour,
            float height, bool bold = true, bool italic = false, bool underline = false);

  // The finished icon: size × size, straight (not premultiplied) alpha.
  Bitmap Finish() const;

 private:
  enum class ShapeKind { RoundRect, Ellipse };
  void Shape(ShapeKind kind, float left, float top, float right, float bottom, float radius, COLORREF fill,
             COLORREF edge);
  int Px(float units) const;
  void Polygon(const POINT* points, int count, COLORREF colour);

  int size_;
  MemoryCanvas canvas_{32};
};

}  // namespace plexara
