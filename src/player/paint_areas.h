// Which parts of a page one paint renders again. A drawn object is always painted whole, over what
// lies below it (a transparent text object reads every pixel of its rectangle first), so a dirty
// rectangle that meets an object grows to take all of it, then whatever else that meets, until no
// drawn object lies across the edge of any area. Areas that come to overlap merge, so no pixel is
// rendered twice in one paint. Rendering such an area from the background up gives the pixels a
// paint of the whole page would give there, and the pixels outside it are left as they were.
#pragma once

#include <cstdint>
#include <vector>

#include "objects/object_bounds.h"

namespace plexara {

// A rectangle from (left, top) up to, not including, (right, bottom).
struct PaintArea {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  bool Empty() const { return right <= left || bottom <= top; }
  // Whether the two share at least one pixel.
  bool Meets(const PaintArea& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  long long Pixels() const {
    return Empty() ? 0 : static_cast<long long>(right - left) * (bottom - top);
  }
  friend bool operator==(const PaintArea&, const PaintArea&) = default;
};

// An object's rectangle; sizes and positions from a file may be anything, so the far edges are
// kept within 32 bits.
PaintArea AreaOf(const ObjectBounds& bounds);

// The areas to render for the dirty rectangles, given the rectangles of the drawn objects that are
// shown, all clipped to `client`.
std::vector<PaintArea> GrowPaintAreas(const std::vector<PaintArea>& dirty,
                                      const std::vector<PaintArea>& objects,
                                      const PaintArea& client);

}  // namespace plexara
