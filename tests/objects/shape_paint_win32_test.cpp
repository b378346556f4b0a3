// Shapes painted by GDI into a DIB section over a page colour: the new shape, the inset border,
// a clear fill, a gradient kept inside its outline, the clipping and DC state a paint leaves
// behind, GradientFill's lines and pen, and a checksum of every outline and fill.
#include "objects/shape_paint_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <utility>

#include "objects/shape_control_win32.h"
#include "objects/shape_geometry.h"
#include "support/dib_canvas_win32.h"

namespace plexara {
namespace {

constexpr COLORREF kPage = RGB(0, 128, 128);

// A canvas filled with the page colour; cases that need another size make a new one.
class ShapePaint : public testing::Test {
 protected:
  ShapePaint() { Resize(105, 105); }

  void Resize(int width, int height) {
    canvas_.reset();  // one canvas at a time
    canvas_ = std::make_unique<testing_support::DibCanvas>(width, height, kPage);
    ASSERT_TRUE(canvas_->ok());
    dc_ = canvas_->dc();
  }

  void Paint(const ShapeRecord& shape) {
    PaintShape(dc_, shape, canvas_->width(), canvas_->height());
  }
  COLORREF At(int x, int y) const { return canvas_->At(x, y); }
  int Count(COLORREF color) const { return canvas_->Count(color); }

  // FNV-1a over the blue, green and red of every pixel.
  std::uint32_t Checksum() const {
    std::uint32_t hash = 2166136261u;
    for (int y = 0; y < canvas_->height(); ++y) {
      for (int x = 0; x < canvas_->width(); ++x) {
        const COLORREF c = At(x, y);
        for (const BYTE channel : {GetBValue(c), GetGValue(c), GetRValue(c)}) {
          hash = (hash ^ channel) * 16777619u;
        }
      }
    }
    return hash;
  }

  std::unique_ptr<testing_support::DibCanvas> canvas_;
  HDC dc_ = nullptr;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

TEST_F(ShapePaint, NewShapeIsAWhiteSquareThroughItsControl) {
  ObjectData object;
  object.record = ShapeRecord{};
  ShapeControl control(object);
  control.Paint(dc_, 105, 105);
  EXPECT_EQ(Count(kWhite), 105 * 105);
}

TEST_F(ShapePaint, BorderIsCentredOnTheInsetRectangle) {
  ShapeRecord s;
  s.borderWidth = 6;
  s.borderColor = RGB(255, 0, 0);
  Paint(s);
  // The rectangle is (3,3)-(102,102); a 6-pixel pen on its edge covers 0..5 on the left and top.
  for (int k : {0, 5}) {
    EXPECT_EQ(At(k, 50), kRed) << k;
    EXPECT_EQ(At(50, k), kRed) << k;
  }
  EXPECT_EQ(At(6, 50), kWhite);
  EXPECT_EQ(At(50, 6), kWhite);
  EXPECT_EQ(At(97, 50), kWhite);
  EXPECT_EQ(At(103, 50), kRed);
  EXPECT_EQ(At(50, 103), kRed);
}

TEST_F(ShapePaint, ClearFillWithoutBorderPaintsNothing) {
  ShapeRecord s;
  s.fillStyle = kFillStyleClear;
  Paint(s);
  EXPECT_EQ(Count(kPage), 105 * 105);
}

TEST_F(ShapePaint, GradientStaysInsideTheEllipseUnderItsBorder) {
  ShapeRecord s;
  s.shape = 2;
  s.fillStyle = 1;  // top to bottom
  s.fillColor = RGB(0, 0, 0);
  s.gradientColor = RGB(210, 0, 0);  // row y is red 2y
  Paint(s);
  EXPECT_EQ(At(52, 52), RGB(104, 0, 0));
  EXPECT_EQ(At(52, 2), RGB(4, 0, 0));
  EXPECT_EQ(At(52, 102), RGB(204, 0, 0));
  EXPECT_EQ(At(2, 52), RGB(104, 0, 0));
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{104, 0}, std::pair{0, 104},
                             std::pair{104, 104}, std::pair{12, 12}}) {
    EXPECT_EQ(At(x, y), kPage) << x << "," << y;
  }

  Resize(105, 105);
  s.borderWidth = 4;
  s.borderColor = kGreen;
  Paint(s);
  EXPECT_EQ(At(52, 1), kGreen);  // the border on the ellipse inset by 2
  EXPECT_EQ(At(52, 103), kGreen);
  EXPECT_EQ(At(52, 52), RGB(104, 0, 0));
  EXPECT_EQ(At(0, 0), kPage);
}

TEST_F(ShapePaint, KeepsTheGivenClippingAndLeavesTheDcAsFound) {
  IntersectClipRect(dc_, 0, 0, 50, 105);
  HGDIOBJ pen = GetCurrentObject(dc_, OBJ_PEN);
  HGDIOBJ brush = GetCurrentObject(dc_, OBJ_BRUSH);
  ShapeRecord s;
  s.fillStyle = 3;
  s.borderWidth = 2;
  Paint(s);
  EXPECT_NE(At(10, 50), kPage);
  EXPECT_EQ(At(60, 50), kPage);
  EXPECT_EQ(At(104, 50), kPage);
  RECT clip{};
  GetClipBox(dc_, &clip);
  EXPECT_EQ(clip.right, 50);
  EXPECT_EQ(GetCurrentObject(dc_, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc_, OBJ_BRUSH), brush);

  // A shape stored far wider than any page costs only the part on the canvas.
  Resize(105, 105);
  s.borderWidth = 0;
  PaintShape(dc_, s, 2000000000, 105);
  EXPECT_EQ(At(104, 50), RGB(255, 255, 255));  // the first colour, a tiny way into the run
}

TEST_F(ShapePaint, GradientFillDrawsStepLinesAndLeavesThePenInTheLastColour) {
  Resize(10, 3);
  GradientFill(dc_, 7, kColorBlack, RgbColor(250, 250, 250), RECT{0, 0, 10, 3});
  const int levels[] = {200, 150, 100, 50, 0, 0, 50, 100, 150, 200};
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(At(x, 0), RGB(levels[x], levels[x], levels[x])) << x;
    EXPECT_EQ(At(x, 2), At(x, 0)) << x;
  }
  EXPECT_EQ(GetCurrentObject(dc_, OBJ_PEN), GetStockObject(DC_PEN));
  EXPECT_EQ(GetDCPenColor(dc_), RGB(200, 200, 200));

  // A rectangle far larger than the canvas: only the visible columns are worked out, and the pen
  // still ends in the colour of the rectangle's last column.
  GradientFill(dc_, 3, kColorBlack, RgbColor(250, 250, 250), RECT{0, 0, 2000000000, 3});
  EXPECT_EQ(At(9, 1), RGB(0, 0, 0));
  EXPECT_EQ(GetDCPenColor(dc_), RGB(250, 250, 250));

  // System colours resolve to the running system's values; other styles draw nothing.
  const ColorRef window = static_cast<ColorRef>(0x80000000u | COLOR_WINDOW);
  GradientFill(dc_, 3, window, window, RECT{0, 0, 10, 3});
  GradientFill(dc_, 9, kColorBlack, kColorBlack, RECT{0, 0, 10, 3});
  EXPECT_EQ(At(9, 1), GetSysColor(COLOR_WINDOW));
}

// Every outline with a border, then the fills on a few outlines; a changed checksum means the
// picture changed, so look at it before taking the new value.
TEST_F(ShapePaint, EveryOutlineAndFillMatchesItsChecksum) {
  const struct {
    int shape, fillStyle, borderWidth;
    std::uint32_t checksum;
  } cases[] = {
      {0, 0, 3, 0x708bca65u},    {1, 0, 3, 0x068a5485u},    {2, 0, 3, 0x91dd9115u},
      {3, 0, 3, 0x8e4eadedu},    {4, 0, 3, 0x3364a545u},    {5, 0, 3, 0xc17d52b5u},
      {6, 0, 3, 0xa0af7b3du},    {7, 0, 3, 0x7005012du},    {8, 0, 3, 0xf0d9bb25u},
      {9, 0, 3, 0xa6ca6245u},    {10, 0, 3, 0xbcde03b5u},   {11, 0, 3, 0xc11a5305u},
      {12, 0, 3, 0x90f630edu},   {13, 0, 3, 0xef24574du},   {14, 0, 3, 0x4de9020du},
      {15, 0, 3, 0x9d3c5c0du},   {16, 0, 3, 0x7c1ce565u},   {17, 0, 3, 0x74affce5u},
      {18, 0, 3, 0x5c9949cdu},   {19, 0, 3, 0x3952af6du},   {20, 0, 3, 0xe342083du},
      {21, 0, 3, 0x068cebedu},   {22, 0, 3, 0x08df5ce5u},   {23, 0, 3, 0xb4c8f975u},
      {24, 0, 3, 0x48a4890du},   {25, 0, 3, 0xb2e4151du},   {26, 0, 3, 0xb3077723u},
      {27, 0, 3, 0x499bc129u},   {28, 0, 3, 0x44d82827u},   {29, 0, 3, 0x8801160bu},
      {30, 0, 3, 0x24ddfc40u},   {31, 0, 3, 0xcd2f3888u},   {32, 0, 3, 0x4b26e2f1u},
      {33, 0, 3, 0x183fb469u},   {34, 0, 3, 0xb57ad7a5u},   {35, 0, 3, 0x6484da85u},
      {36, 0, 3, 0x882e08adu},   {37, 0, 3, 0x153c98cdu},   {24, 1, 2, 0x0d1c3058u},
      {24, 2, 2, 0x96ffc01au},   {24, 3, 2, 0x3ed065b9u},   {24, 4, 2, 0xdf4ca539u},
      {24, 5, 2, 0x6a696f80u},   {24, 6, 2, 0x839116c2u},   {24, 7, 2, 0x79dcb0c2u},
      {24, 8, 2, 0x8284fe84u},   {0, 1001, 0, 0xc8f06345u}, {0, 1002, 0, 0x7d233dc5u},
      {0, 1003, 0, 0x9a71db45u}, {0, 1004, 0, 0x36b914c5u}, {0, 1005, 0, 0xc5a68785u},
      {0, 1006, 0, 0x95e6925du}, {0, 1007, 0, 0x0208c405u}, {1, 1001, 2, 0x57058305u},
      {3, 2000, 0, 0x1d490525u}, {2, 500, 3, 0x9ec02485u},  {34, 0, 0, 0x8ea960e5u},
      {36, 0, 5, 0xe33750cdu},   {38, 0, 3, 0xc8f06345u},
  };
  for (const auto& c : cases) {
    Resize(60, 40);
    ShapeRecord s;
    s.shape = c.shape;
    s.fillStyle = c.fillStyle;
    s.borderWidth = c.borderWidth;
    s.fillColor = RgbColor(200, 40, 40);
    s.gradientColor = RgbColor(40, 200, 90);
    s.borderColor = RgbColor(20, 20, 160);
    s.parameter = 12;
    Paint(s);
    const bool blank =
        c.shape > kLastShapeOutline || (c.fillStyle == kFillStyleClear && c.borderWidth == 0);
    EXPECT_EQ(Count(kPage) == 60 * 40, blank) << "shape " << c.shape << " fill " << c.fillStyle;
    EXPECT_EQ(Checksum(), c.checksum)
        << "shape " << c.shape << " fill " << c.fillStyle << " border " << c.borderWidth;
  }
}

}  // namespace
}  // namespace plexara
