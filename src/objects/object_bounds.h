// Where an object sits on its page: every kind record carries its left, top, width and height, and
// the page window, hit testing and painting read and move them through these two functions.
#pragma once

#include <cstdint>

#include "storage/kind_records.h"

namespace plexara {

struct ObjectBounds {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  bool Contains(std::int32_t x, std::int32_t y) const {
    return x >= left && y >= top && x - left < width && y - top < height;
  }
  friend bool operator==(const ObjectBounds&, const ObjectBounds&) = default;
};

ObjectBounds BoundsOf(const KindRecord& record);
void SetBounds(KindRecord& record, const ObjectBounds& bounds);

}  // namespace plexara
