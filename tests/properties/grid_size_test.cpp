#include "properties/grid_size.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TEST(GridSize, TextBecomesASizeTheSurfaceCanSnapTo) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {{"8", 8}, {"99", 99}, {"2", 2}, {" 12 ", 12}, {"1", 2}, {"0", 2},
                        {"00", 2}, {"100", 99}, {"99999999999", 99}, {"", 7}, {"  ", 7}, {"-3", 7}, {"4x", 7}};
  for (const Case& c : cases) EXPECT_EQ(GridSizeFromText(c.text, 7), c.expected) << '"' << c.text << '"';
}

}  // namespace
}  // namespace plexara
