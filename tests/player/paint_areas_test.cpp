// The areas one paint renders: dirty rectangles grown over the objects they meet until no object
// lies across an edge, merged where they overlap, clipped to the client area.
#include "player/paint_areas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace plexara {
namespace {

using Areas = std::vector<PaintArea>;

constexpr PaintArea kClient{0, 0, 400, 300};

// What every result must hold, whatever the layout: each dirty pixel (in the client) is in an area,
// no object crosses an area's edge, no two areas share a pixel, and all lie in the client.
void ExpectSound(const Areas& dirty, const Areas& objects, const Areas& areas) {
  for (const PaintArea& area : areas) {
    EXPECT_FALSE(area.Empty());
    EXPECT_TRUE(area.left >= kClient.left && area.top >= kClient.top &&
                area.right <= kClient.right && area.bottom <= kClient.bottom);
    for (const PaintArea& object : objects) {
      if (!object.Meets(area)) continue;
      const PaintArea clipped{
          std::max(object.left, kClient.left), std::max(object.top, kClient.top),
          std::min(object.right, kClient.right), std::min(object.bottom, kClient.bottom)};
      EXPECT_TRUE(clipped.left >= area.left && clipped.top >= area.top &&
                  clipped.right <= area.right && clipped.bottom <= area.bottom)
          << "an object lies across the edge of an area";
    }
  }
  for (std::size_t i = 0; i < areas.size(); ++i) {
    for (std::size_t j = i + 1; j < areas.size(); ++j) EXPECT_FALSE(areas[i].Meets(areas[j]));
  }
  for (const PaintArea& rectangle : dirty) {
    for (int y = std::max(rectangle.top, kClient.top);
         y < std::min(rectangle.bottom, kClient.bottom); ++y) {
      for (int x = std::max(rectangle.left, kClient.left);
           x < std::min(rectangle.right, kClient.right); ++x) {
        const PaintArea pixel{x, y, x + 1, y + 1};
        bool covered = false;
        for (const PaintArea& area : areas) covered = covered || area.Meets(pixel);
        ASSERT_TRUE(covered) << "dirty pixel " << x << "," << y << " not rendered";
      }
    }
  }
}

TEST(PaintAreas, GrowOverTheObjectsTheyMeetAndMerge) {
  const PaintArea a{10, 10, 110, 60}, b{100, 50, 200, 120}, c{300, 200, 350, 250};
  struct Case {
    const char* what;
    Areas dirty;
    Areas objects;
    Areas expected;
  } cases[] = {
      {"background only", {{150, 150, 160, 170}}, {a, c}, {{150, 150, 160, 170}}},
      {"inside an object", {{20, 20, 30, 30}}, {a, c}, {a}},
      {"an object exactly", {c}, {a, c}, {c}},
      {"across two objects", {{105, 40, 120, 55}}, {a, b}, {{10, 10, 200, 120}}},
      {"a chain of overlaps", {{20, 20, 30, 30}}, {a, b}, {{10, 10, 200, 120}}},
      {"edges that only touch", {{110, 10, 120, 20}}, {a}, {{110, 10, 120, 20}}},
      {"two rectangles on one object", {{20, 20, 30, 30}, {50, 40, 60, 50}}, {a}, {a}},
      {"two objects far apart", {{20, 20, 30, 30}, {310, 210, 320, 220}}, {a, c}, {a, c}},
      {"a later area takes in an earlier one",
       {{20, 20, 30, 30}, {100, 40, 130, 45}},
       {a},
       {{10, 10, 130, 60}}},
      {"outside the client", {{500, 500, 600, 600}, {-50, -50, -10, -10}}, {a}, {}},
      {"an object past the client's edge",
       {{390, 290, 395, 295}},
       {{380, 280, 900, 900}},
       {{380, 280, 400, 300}}},
      {"empty rectangles", {{20, 20, 20, 40}}, {a}, {}},
  };
  for (const Case& item : cases) {
    const Areas areas = GrowPaintAreas(item.dirty, item.objects, kClient);
    EXPECT_EQ(areas, item.expected) << item.what;
    ExpectSound(item.dirty, item.objects, areas);
  }
}

TEST(PaintAreas, SoundOnScatteredLayouts) {
  // A fixed pseudo-random sequence: many overlapping objects and dirty rectangles.
  std::uint32_t seed = 12345;
  const auto next = [&](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(range));
  };
  const auto rectangle = [&](int maxSide) {
    const int left = next(460) - 30, top = next(360) - 30;
    return PaintArea{left, top, left + 1 + next(maxSide), top + 1 + next(maxSide)};
  };
  for (int layout = 0; layout < 40; ++layout) {
    Areas objects, dirty;
    for (int i = next(12); i > 0; --i) objects.push_back(rectangle(120));
    for (int i = 1 + next(5); i > 0; --i) dirty.push_back(rectangle(40));
    ExpectSound(dirty, objects, GrowPaintAreas(dirty, objects, kClient));
  }
}

TEST(PaintAreas, ObjectRectanglesStayWithin32Bits) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(AreaOf(ObjectBounds{10, 20, 30, 40}), (PaintArea{10, 20, 40, 60}));
  EXPECT_EQ(AreaOf(ObjectBounds{kMax - 5, kMax - 5, 100, 100}),
            (PaintArea{kMax - 5, kMax - 5, kMax, kMax}));
  EXPECT_TRUE(AreaOf(ObjectBounds{10, 10, -5, 20}).Empty());
}

}  // namespace
}  // namespace plexara
