#include "player/paint_areas.h"

#include <algorithm>
#include <limits>

namespace plexara {
namespace {

bool Inside(const PaintArea& inner, const PaintArea& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

PaintArea Union(const PaintArea& a, const PaintArea& b) {
  return PaintArea{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                   std::max(a.bottom, b.bottom)};
}

PaintArea Clip(const PaintArea& a, const PaintArea& to) {
  return PaintArea{std::max(a.left, to.left), std::max(a.top, to.top), std::min(a.right, to.right),
                   std::min(a.bottom, to.bottom)};
}

std::int32_t FarEdge(std::int32_t start, std::int32_t size) {
  const long long edge = static_cast<long long>(start) + std::max<std::int32_t>(size, 0);
  return static_cast<std::int32_t>(
      std::min<long long>(edge, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

PaintArea AreaOf(const ObjectBounds& bounds) {
  return PaintArea{bounds.left, bounds.top, FarEdge(bounds.left, bounds.width),
                   FarEdge(bounds.top, bounds.height)};
}

std::vector<PaintArea> GrowPaintAreas(const std::vector<PaintArea>& dirty,
                                      const std::vector<PaintArea>& objects,
                                      const PaintArea& client) {
  std::vector<PaintArea> shown;
  for (const PaintArea& object : objects) {
    const PaintArea clipped = Clip(object, client);
    if (!clipped.Empty()) shown.push_back(clipped);
  }
  std::vector<PaintArea> areas;
  for (const PaintArea& rectangle : dirty) {
    PaintArea area = Clip(rectangle, client);
    if (area.Empty()) continue;
    // Every step only grows the area, and it can grow no further than the client: this ends.
    for (bool grown = true; grown;) {
      grown = false;
      for (const PaintArea& object : shown) {
        if (area.Meets(object) && !Inside(object, area)) {
          area = Union(area, object);
          grown = true;
        }
      }
      for (auto it = areas.begin(); it != areas.end();) {
        if (area.Meets(*it)) {
          area = Union(area, *it);
          it = areas.erase(it);
          grown = true;
        } else {
          ++it;
        }
      }
    }
    areas.push_back(area);
  }
  return areas;
}

}  // namespace plexara
