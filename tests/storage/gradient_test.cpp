// Gradient colour arithmetic and the page background: rounding halves to even, the step layout of
// every GradientFill and page gradient style, runs of no steps, where background images go, and
// the background pixels with system colours, alpha, stretching and metafiles.
#include "storage/gradient.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/picture_fixtures.h"

namespace plexara {
namespace {

constexpr Bgra Grey(int level) {
  const auto v = static_cast<std::uint8_t>(level);
  return Bgra{v, v, v, 255};
}

std::vector<int> Levels(const GradientLines& lines) {
  std::vector<int> levels;
  for (const Bgra& c : lines.colors) levels.push_back(c.g);
  return levels;
}

TEST(GradientBlend, RoundsHalvesToEvenAndSurvivesEmptyRuns) {
  const struct {
    int a, b, n, i, expected;
  } cases[] = {
      {0, 1, 2, 1, 0},      // 0.5 → 0
      {0, 3, 2, 1, 2},      // 1.5 → 2
      {1, 0, 2, 1, 1},      // 1 − 0.5 → 1 − 0
      {3, 0, 2, 1, 1},      // 3 − 1.5 → 3 − 2
      {0, 255, 4, 1, 64},   // 63.75
      {255, 0, 4, 1, 191},  // 255 − 63.75
      {0, 255, 3, 3, 255},
      {40, 200, 0, 0, 40},  // no steps: the first colour, not a division by zero
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Blend(Grey(c.a), Grey(c.b), c.n, c.i), Grey(c.expected))
        << c.a << "→" << c.b << " step " << c.i << " of " << c.n;
  }
  // Channels are blended apart and come back in their places.
  EXPECT_EQ(Blend(Bgra{0, 100, 200, 255}, Bgra{100, 0, 0, 255}, 2, 1), (Bgra{50, 50, 100, 255}));
  EXPECT_EQ(PlainColor(RgbColor(1, 2, 3)), (Bgra{3, 2, 1, 255}));
}

TEST(GradientFillLines, EachStyleLaysItsSteps) {
  const struct {
    int style, a, b, left, top, right, bottom;
    bool rows;
    int first;
    std::vector<int> levels;
  } cases[] = {
      {1, 0, 240, 0, 2, 9, 6, true, 2, {0, 60, 120, 180}},
      {2, 0, 240, 0, 2, 9, 6, true, 2, {240, 180, 120, 60}},
      {3, 0, 240, 1, 0, 5, 9, false, 1, {0, 60, 120, 180}},
      {4, 0, 240, 1, 0, 5, 9, false, 1, {240, 180, 120, 60}},
      // Rows split at m = 2 with n = 2: the top half counts down from the top edge.
      {5, 0, 240, 0, 0, 9, 5, true, 0, {240, 120, 0, 120, 240}},
      {6, 0, 240, 0, 0, 9, 5, true, 0, {0, 120, 240, 120, 0}},
      // Columns 4..0 and 5..9 each take steps 0..4, the first colour at the centre.
      {7, 0, 250, 0, 0, 10, 9, false, 0, {200, 150, 100, 50, 0, 0, 50, 100, 150, 200}},
      {8, 0, 250, 0, 0, 10, 9, false, 0, {50, 100, 150, 200, 250, 250, 200, 150, 100, 50}},
      // One pixel across a split gives n = 0 and the first colour.
      {5, 30, 240, 0, 3, 9, 4, true, 3, {30}},
      {7, 30, 240, 0, 0, 1, 9, false, 0, {30}},
      // Nothing for unknown styles and empty rectangles.
      {0, 0, 240, 0, 0, 9, 9, true, 0, {}},
      {9, 0, 240, 0, 0, 9, 9, true, 0, {}},
      {1, 0, 240, 0, 5, 9, 5, true, 5, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " over (" << c.left << "," << c.top
                                    << ")-(" << c.right << "," << c.bottom << ")");
    const GradientLines lines =
        GradientFillLines(c.style, Grey(c.a), Grey(c.b), {c.left, c.top, c.right, c.bottom});
    EXPECT_EQ(Levels(lines), c.levels);
    if (!c.levels.empty()) {
      EXPECT_EQ(lines.rows, c.rows);
      EXPECT_EQ(lines.first, c.first);
    }
  }
}

TEST(GradientFillColor, HugeRectanglesNeitherOverflowNorNeedEveryLine) {
  const GradientRect wide{-1000000000, 0, 2000000000, 1};  // 3e9 columns
  EXPECT_EQ(GradientFillColor(3, Grey(0), Grey(240), wide, -1000000000), Grey(0));
  EXPECT_EQ(GradientFillColor(3, Grey(0), Grey(240), wide, 500000000), Grey(120));
  EXPECT_EQ(GradientFillColor(3, Grey(0), Grey(240), wide, 1999999999), Grey(240));
  EXPECT_EQ(GradientFillColor(7, Grey(0), Grey(240), wide, 499999999), Grey(0));
  EXPECT_TRUE(GradientFillByRows(5));
  EXPECT_FALSE(GradientFillByRows(8));
}

TEST(PageGradientLines, EachStyleLaysItsSteps) {
  const struct {
    int style, width, height;
    bool rows;
    std::vector<int> levels;
  } cases[] = {
      {0, 3, 2, true, {0, 0}},
      {42, 3, 2, true, {0, 0}},  // an unknown style draws as "None"
      {1, 3, 4, true, {0, 50, 100, 150}},
      {2, 3, 4, true, {150, 100, 50, 0}},  // row H − 1 − i, so the top row never reaches B
      {3, 4, 3, false, {0, 50, 100, 150}},
      {4, 4, 3, false, {150, 100, 50, 0}},
      // Rows 1, 0 then 2, 3, 4 with h = 2; the middle row keeps BackColor.
      {5, 3, 5, true, {100, 0, 0, 100, 200}},
      {6, 5, 3, false, {100, 0, 0, 100, 200}},
      {7, 3, 5, true, {100, 200, 200, 100, 0}},
      {8, 5, 3, false, {100, 200, 200, 100, 0}},
      {5, 3, 1, true, {0}},  // h = 0: BackColor instead of a division by zero
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " on " << c.width << "x" << c.height);
    const GradientLines lines = PageGradientLines(c.style, Grey(0), Grey(200), c.width, c.height);
    EXPECT_EQ(lines.rows, c.rows);
    EXPECT_EQ(lines.first, 0);
    EXPECT_EQ(Levels(lines), c.levels);
  }
}

TEST(PlaceBackgroundImage, NormalCenterStretchAndTile) {
  const struct {
    const char* name;
    int style, width, height, imageWidth, imageHeight;
    ImagePlacement expected;
  } cases[] = {
      {"normal", 0, 7, 5, 3, 2, {0, 0, 3, 2, 1, 1}},
      {"center", 1, 7, 5, 3, 2, {2, 1, 3, 2, 1, 1}},
      {"center, larger image (offsets truncate)", 1, 10, 4, 15, 7, {-2, -1, 15, 7, 1, 1}},
      {"stretch", 2, 7, 5, 3, 2, {0, 0, 7, 5, 1, 1}},
      {"tile", 3, 7, 5, 3, 2, {0, 0, 3, 2, 3, 3}},
      {"tile, exact multiple", 3, 6, 4, 3, 2, {0, 0, 3, 2, 3, 3}},
      {"unknown style", 4, 7, 5, 3, 2, {}},
      {"empty image", 0, 7, 5, 0, 2, {}},
  };
  for (const auto& c : cases) {
    const ImagePlacement p =
        PlaceBackgroundImage(c.style, c.width, c.height, c.imageWidth, c.imageHeight);
    const ImagePlacement& e = c.expected;
    EXPECT_TRUE(p.x == e.x && p.y == e.y && p.cellWidth == e.cellWidth &&
                p.cellHeight == e.cellHeight && p.columns == e.columns && p.rows == e.rows)
        << c.name << ": got (" << p.x << "," << p.y << ") " << p.cellWidth << "x" << p.cellHeight
        << " × " << p.columns << "x" << p.rows;
  }
}

class PageBackground : public testing::Test {
 protected:
  static constexpr Bgra kRed{0, 0, 255, 255};
  static constexpr Bgra kSystemWindow{30, 20, 10, 255};

  // System colour 5 resolves to kSystemWindow, as the platform would answer.
  static Bgra Resolve(ColorRef color) {
    return color == static_cast<ColorRef>(0x80000005u) ? kSystemWindow : PlainColor(color);
  }

  // 2 × 2: opaque red, fully transparent, fully transparent, half-transparent blue.
  static Picture Checker() {
    Bitmap image(2, 2);
    image.at(0, 0) = kRed;
    image.at(1, 1) = Bgra{255, 0, 0, 128};
    return Picture::FromBitmap(image);
  }

  // A plain back colour unless a case asks for a gradient (a new page has one).
  PageBackground() { page.gradientStyle = 0; }

  PageData page;
};

TEST_F(PageBackground, GradientFromResolvedColoursUnderTheImage) {
  page.gradientStyle = 3;  // left to right
  page.backColor = static_cast<ColorRef>(0x80000005u);
  page.gradientColor = RgbColor(210, 220, 230);
  page.backImage = Checker();
  page.backImageStyle = 3;  // tile
  const Bitmap b = RenderPageBackground(page, 5, 3, Resolve, nullptr);
  ASSERT_EQ(b.width(), 5);
  ASSERT_EQ(b.height(), 3);
  const Bgra column1{70, 60, 50, 255};  // a fifth of the way from the system colour
  EXPECT_EQ(b.at(0, 0), kRed);
  EXPECT_EQ(b.at(2, 2), kRed);
  EXPECT_EQ(b.at(4, 0), kRed);     // the third copy, cut at the edge
  EXPECT_EQ(b.at(1, 0), column1);  // the gradient shows through transparent pixels
  EXPECT_EQ(b.at(0, 1), kSystemWindow);
  EXPECT_EQ(b.at(1, 1), (Bgra{163, 30, 25, 255}));  // half blue over column 1
}

TEST_F(PageBackground, StretchNormalAndCenterPlaceThePixels) {
  page.backColor = RgbColor(0, 255, 0);
  const Bgra green{0, 255, 0, 255};
  const Bgra halfBlueOnGreen{128, 127, 0, 255};
  page.backImage = Checker();
  const struct {
    int style, x, y;
    Bgra expected;
  } samples[] = {
      {2, 0, 0, kRed},  {2, 2, 1, green}, {2, 3, 3, halfBlueOnGreen}, {2, 2, 2, halfBlueOnGreen},
      {0, 0, 0, kRed},  {0, 2, 0, green}, {0, 3, 3, green},           {1, 1, 1, kRed},
      {1, 0, 0, green}, {1, 3, 3, green},
  };
  for (const auto& s : samples) {
    page.backImageStyle = static_cast<std::uint8_t>(s.style);
    const Bitmap b = RenderPageBackground(page, 4, 4, Resolve, nullptr);
    EXPECT_EQ(b.at(s.x, s.y), s.expected) << "style " << s.style << " at " << s.x << "," << s.y;
  }
}

TEST_F(PageBackground, MetafilesGoThroughTheRendererAtTheCellSize) {
  static int askedWidth = 0, askedHeight = 0;
  const MetafileRenderer fake = [](ByteSpan, int width, int height) -> Result<Bitmap> {
    askedWidth = width;
    askedHeight = height;
    return Bitmap(width, height, Bgra{0, 0, 255, 255});
  };
  auto metafile = Picture::FromPayload(GraphicClass::Metafile, testing_support::MakeEmfFile());
  ASSERT_TRUE(metafile.ok());
  page.backImage = metafile.value();
  page.backColor = kColorWhite;

  page.backImageStyle = 0;
  Bitmap b = RenderPageBackground(page, 200, 100, Resolve, fake);
  EXPECT_EQ(askedWidth, testing_support::kMetafileWidth);
  EXPECT_EQ(askedHeight, testing_support::kMetafileHeight);
  EXPECT_EQ(b.at(119, 79), kRed);
  EXPECT_EQ(b.at(120, 0), Grey(255));

  page.backImageStyle = 2;
  b = RenderPageBackground(page, 200, 100, Resolve, fake);
  EXPECT_EQ(askedWidth, 200);
  EXPECT_EQ(askedHeight, 100);
  EXPECT_EQ(b.at(199, 99), kRed);

  // Without a renderer the metafile is left out.
  EXPECT_EQ(RenderPageBackground(page, 200, 100, Resolve, nullptr).at(0, 0), Grey(255));
  EXPECT_TRUE(RenderPageBackground(page, 0, 100, Resolve, fake).empty());
}

}  // namespace
}  // namespace plexara
