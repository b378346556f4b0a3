// Shape outline geometry: the inset drawing rectangle, corners that mix it with the client centre
// and the cuts, the 3-D frame strokes and their inks, and codes that draw nothing.
#include "objects/shape_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace plexara {
namespace {

using Points = std::vector<ShapePoint>;

TEST(ShapeOutline, FiguresOfTheFillableOutlines) {
  const struct {
    const char* name;
    int shape, width, height, borderWidth, parameter;
    ShapeFigureKind kind;
    ShapeBox box;   // for the box figures
    Points points;  // for the polygons
  } cases[] = {
      {"rectangle, border 6 insets by 3",
       0,
       105,
       105,
       6,
       30,
       ShapeFigureKind::Rectangle,
       {3, 3, 102, 102},
       {}},
      {"odd border truncates",
       0,
       105,
       105,
       7,
       30,
       ShapeFigureKind::Rectangle,
       {3, 3, 102, 102},
       {}},
      {"negative border counts as none",
       2,
       50,
       40,
       -8,
       30,
       ShapeFigureKind::Ellipse,
       {0, 0, 50, 40},
       {}},
      {"diamond: client centre, inset ends",
       3,
       100,
       60,
       6,
       30,
       ShapeFigureKind::Polygon,
       {},
       {{50, 3}, {3, 30}, {50, 57}, {97, 30}}},
      {"triangle3 apex left",
       6,
       100,
       60,
       0,
       30,
       ShapeFigureKind::Polygon,
       {},
       {{0, 30}, {100, 60}, {100, 0}}},
      {"polygon2 cut from the client edge",
       13,
       100,
       60,
       4,
       30,
       ShapeFigureKind::Polygon,
       {},
       {{2, 58}, {98, 58}, {70, 2}, {2, 2}}},
      {"polygon10",
       21,
       100,
       60,
       0,
       30,
       ShapeFigureKind::Polygon,
       {},
       {{0, 0}, {0, 60}, {100, 45}, {100, 15}}},
      {"polygon13 hexagon",
       24,
       100,
       60,
       0,
       30,
       ShapeFigureKind::Polygon,
       {},
       {{0, 30}, {15, 60}, {85, 60}, {100, 30}, {85, 0}, {15, 0}}},
      {"polygon14 hexagon",
       25,
       100,
       60,
       2,
       20,
       ShapeFigureKind::Polygon,
       {},
       {{1, 10}, {1, 50}, {50, 59}, {99, 50}, {99, 10}, {50, 1}}},
      {"frames are not fillable", 26, 100, 60, 0, 30, ShapeFigureKind::None, {}, {}},
      {"negative code", -1, 100, 60, 0, 30, ShapeFigureKind::None, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ShapeFigure f = ShapeOutline(c.shape, c.width, c.height, c.borderWidth, c.parameter);
    EXPECT_EQ(f.kind, c.kind);
    if (c.kind == ShapeFigureKind::Polygon) {
      EXPECT_EQ(f.points, c.points);
    } else if (c.kind != ShapeFigureKind::None) {
      EXPECT_EQ(f.left, c.box.left);
      EXPECT_EQ(f.top, c.box.top);
      EXPECT_EQ(f.right, c.box.right);
      EXPECT_EQ(f.bottom, c.box.bottom);
    }
  }
  EXPECT_EQ(ShapeOutline(1, 80, 60, 0, 12).corner, 12);
}

TEST(ShapeStrokes, FramesAndLines) {
  const int w = 60, h = 40;
  const std::vector<ShapeStroke> lowered = ShapeStrokes(26, w, h, 0);
  ASSERT_EQ(lowered.size(), 2u);
  EXPECT_EQ(lowered[0].ink, ShapeInk::Highlight);
  EXPECT_EQ(lowered[0].figure.points, (Points{{1, 1}, {59, 1}, {59, 39}, {1, 39}, {1, 1}}));
  EXPECT_EQ(lowered[1].ink, ShapeInk::Shadow);
  EXPECT_EQ(lowered[1].figure.points, (Points{{0, 0}, {58, 0}, {58, 38}, {0, 38}, {0, 0}}));

  // The raised border takes the same paths as the lowered one in its own colour order.
  const std::vector<ShapeStroke> lowBorder = ShapeStrokes(28, w, h, 0);
  const std::vector<ShapeStroke> highBorder = ShapeStrokes(29, w, h, 0);
  ASSERT_EQ(lowBorder.size(), 4u);
  ASSERT_EQ(highBorder.size(), 4u);
  const ColorRef lowColors[] = {RgbColor(113, 111, 100), RgbColor(241, 239, 226),
                                RgbColor(172, 168, 153), kColorWhite};
  const ColorRef highColors[] = {RgbColor(241, 239, 226), RgbColor(113, 111, 100), kColorWhite,
                                 RgbColor(172, 168, 153)};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(lowBorder[k].ink, ShapeInk::Fixed);
    EXPECT_EQ(lowBorder[k].fixed, lowColors[k]) << k;
    EXPECT_EQ(highBorder[k].fixed, highColors[k]) << k;
    EXPECT_EQ(lowBorder[k].figure.points, highBorder[k].figure.points) << k;
  }
  EXPECT_EQ(lowBorder[3].figure.points, (Points{{0, 39}, {59, 39}, {59, -1}}));

  const std::vector<ShapeStroke> roundRaised = ShapeStrokes(33, w, h, 12);
  ASSERT_EQ(roundRaised.size(), 2u);
  EXPECT_EQ(roundRaised[0].ink, ShapeInk::Shadow);
  EXPECT_EQ(roundRaised[0].figure.kind, ShapeFigureKind::RoundRect);
  EXPECT_EQ(roundRaised[0].figure.left, 1);
  EXPECT_EQ(roundRaised[0].figure.right, 59);
  EXPECT_EQ(roundRaised[0].figure.corner, 12);
  EXPECT_EQ(roundRaised[1].figure.right, 58);

  const std::vector<ShapeStroke> line = ShapeStrokes(37, w, h, 0);
  ASSERT_EQ(line.size(), 1u);
  EXPECT_EQ(line[0].ink, ShapeInk::Border);
  EXPECT_EQ(line[0].figure.points, (Points{{60, 0}, {0, 40}}));
  EXPECT_EQ(ShapeStrokes(34, w, h, 0)[0].figure.points, (Points{{0, 20}, {60, 20}}));

  EXPECT_TRUE(ShapeStrokes(0, w, h, 0).empty());
  EXPECT_TRUE(ShapeStrokes(38, w, h, 0).empty());
}

}  // namespace
}  // namespace plexara
