#include "objects/shape_control_win32.h"

#include <variant>

#include "objects/shape_paint_win32.h"

namespace plexara {

void ShapeControl::Paint(HDC dc, int width, int height) {
  // The record is read at every paint, so an edited field shows with the next repaint.
  if (const auto* shape = std::get_if<ShapeRecord>(&data().record)) {
    PaintShape(dc, *shape, width, height);
  }
}

}  // namespace plexara
