#include "objects/object_bounds.h"

#include <variant>

namespace plexara {

ObjectBounds BoundsOf(const KindRecord& record) {
  return std::visit([](const auto& r) { return ObjectBounds{r.left, r.top, r.width, r.height}; }, record);
}

void SetBounds(KindRecord& record, const ObjectBounds& bounds) {
  std::visit(
      [&](auto& r) {
        r.left = bounds.left;
        r.top = bounds.top;
        r.width = bounds.width;
        r.height = bounds.height;
      },
      record);
}

}  // namespace plexara
