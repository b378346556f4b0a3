#include "player/grid_dots.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TEST(GridDots, ADotAtEveryGridPointInsideTheBackground) {
  const Bgra white{255, 255, 255, 255}, black{0, 0, 0, 255};
  Bitmap background(17, 9, white);
  DrawGridDots(background, 8, 4);
  int dots = 0;
  for (int y = 0; y < background.height(); ++y) {
    for (int x = 0; x < background.width(); ++x) {
      const bool onGrid = x % 8 == 0 && y % 4 == 0;
      EXPECT_EQ(background.at(x, y), onGrid ? black : white) << x << "," << y;
      dots += onGrid ? 1 : 0;
    }
  }
  EXPECT_EQ(dots, 9);  // x 0, 8, 16 by y 0, 4, 8
  Bitmap untouched(5, 5, white);
  DrawGridDots(untouched, 0, 4);
  EXPECT_EQ(untouched.at(0, 0), white);
}

}  // namespace
}  // namespace plexara
