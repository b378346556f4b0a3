// Laying colour through a mask onto a canvas, and the foreground fills (gradient, texture, noise),
// checked on chosen pixels with their exact arithmetic.
#include "textfx/fx_blend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/picture.h"
#include "support/picture_fixtures.h"
#include "textfx/fx_random.h"

namespace plexara {
namespace {

constexpr TFxRgb Rgb(int r, int g, int b) {
  return TFxRgb{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g),
                static_cast<std::uint8_t>(r)};
}

TFxMask RowMask(const std::vector<int>& coverage) {
  TFxMask mask;
  mask.SetSize(static_cast<int>(coverage.size()), 1);
  for (std::size_t x = 0; x < coverage.size(); ++x)
    mask.At(static_cast<int>(x), 0) = static_cast<std::uint8_t>(coverage[x]);
  return mask;
}

std::vector<TFxRgb> RowPixels(const TFxRgbBuffer& buffer, int y) {
  return std::vector<TFxRgb>(buffer.Row(y), buffer.Row(y) + buffer.Width());
}

TEST(FxBlend, BlendColorMixesByCoverageAndOpacity) {
  constexpr TFxRgb kUnder = Rgb(10, 200, 100);
  constexpr TFxRgb kColor = Rgb(200, 11, 100);
  const TFxMask mask = RowMask({255, 0, 128, 1});
  struct Case {
    int opacity;
    std::vector<TFxRgb> expected;
  };
  const Case cases[] = {
      // k = coverage: full coverage is exactly the colour; 128 gives 10 + ⌊190 × 128 ÷ 256⌋ and
      // 200 + ⌊−189 × 128 ÷ 256⌋ = 200 − 95; coverage 1 floors −189 ÷ 256 to −1.
      {100, {kColor, kUnder, Rgb(105, 105, 100), Rgb(10, 199, 100)}},
      // a' = 128: k = 127 and 64; coverage 1 gives k = 0.
      {50, {Rgb(104, 106, 100), kUnder, Rgb(57, 152, 100), kUnder}},
      // a' = 253: k = 252 and 126.
      {99, {Rgb(197, 13, 100), kUnder, Rgb(103, 106, 100), kUnder}},
      {0, {kUnder, kUnder, kUnder, kUnder}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.opacity);
    TFxMemoryCanvas canvas(6, 3, kUnder);
    canvas.SetBrushStyle(TFxBrushStyle::Clear);
    TFxBlend blend;
    blend.BlendColor(canvas, 1, 1, mask, c.opacity, kColor);
    std::vector<TFxRgb> expectedRow = {kUnder};
    expectedRow.insert(expectedRow.end(), c.expected.begin(), c.expected.end());
    expectedRow.push_back(kUnder);
    EXPECT_EQ(RowPixels(canvas.Pixels(), 1), expectedRow);
    EXPECT_EQ(RowPixels(canvas.Pixels(), 0), std::vector<TFxRgb>(6, kUnder));
  }
}

TEST(FxBlend, SolidBrushFillsUnderTheRunAndRunsClipAtTheCanvas) {
  TFxMemoryCanvas canvas(3, 2, Rgb(9, 9, 9));
  canvas.SetBrushColor(RgbColor(1, 2, 3));
  TFxBlend blend;
  // Starts two pixels left of and one row below the canvas: only mask pixels 2…3 of row 0 land.
  blend.BlendColor(canvas, -2, 1, RowMask({255, 255, 0, 255, 0, 0}), 100, Rgb(200, 0, 0));
  EXPECT_EQ(RowPixels(canvas.Pixels(), 1),
            (std::vector<TFxRgb>{Rgb(1, 2, 3), Rgb(200, 0, 0), Rgb(1, 2, 3)}));
  EXPECT_EQ(RowPixels(canvas.Pixels(), 0), std::vector<TFxRgb>(3, Rgb(9, 9, 9)));
}

TEST(FxBlend, BlendForegroundTakesEachPixelsColourAndNeedsTheMasksSize) {
  TFxMemoryCanvas canvas(3, 1, Rgb(0, 0, 0));
  canvas.SetBrushStyle(TFxBrushStyle::Clear);
  TFxBlend blend;
  const TFxMask mask = RowMask({255, 128, 0});
  blend.Foreground().SetSize(3, 1);
  blend.Foreground().At(0, 0) = Rgb(1, 2, 3);
  blend.Foreground().At(1, 0) = Rgb(255, 101, 0);
  blend.Foreground().At(2, 0) = Rgb(7, 7, 7);
  blend.BlendForeground(canvas, 0, 0, mask, 100);
  EXPECT_EQ(RowPixels(canvas.Pixels(), 0),
            (std::vector<TFxRgb>{Rgb(1, 2, 3), Rgb(127, 50, 0), Rgb(0, 0, 0)}));

  for (const auto& [w, h] : {std::pair{2, 1}, std::pair{3, 2}}) {
    blend.Foreground().SetSize(w, h);
    try {
      blend.BlendForeground(canvas, 0, 0, mask, 100);
      ADD_FAILURE() << w << "x" << h << " was accepted";
    } catch (const EInvalidForeground& e) {
      EXPECT_EQ(std::string(e.what()), "Invalid foreground bitmap!");
    }
  }
}

TEST(FxBlend, GradientStepsPerStyle) {
  constexpr TFxRgb kWhite = Rgb(255, 255, 255), kBlack = Rgb(0, 0, 0);
  const auto gray = [](std::initializer_list<int> values) {
    std::vector<TFxRgb> result;
    for (const int v : values) result.push_back(Rgb(v, v, v));
    return result;
  };
  struct Case {
    std::uint8_t style;
    int n;
    std::vector<TFxRgb> expected;
  };
  const Case cases[] = {
      // 255 + i × (−255) ÷ 4 with truncation toward zero: −63.75 → −63.
      {0, 4, gray({255, 192, 128, 64})},
      {1, 4, gray({0, 63, 127, 191})},
      {2, 4, gray({255, 192, 128, 64})},
      {3, 4, gray({0, 63, 127, 191})},
      // Centre styles over an even count: 3 steps mirrored, the edges carry the end colour.
      {4, 6, gray({0, 85, 170, 170, 85, 0})},
      {5, 5, gray({0, 85, 170, 85, 0})},
      {4, 1, gray({0})},
      {77, 2, gray({255, 128})},  // an unknown stored style draws left to right
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << int{c.style} << " over " << c.n);
    std::vector<TFxRgb> steps(c.n);
    FxGradientSteps(c.style, kWhite, kBlack, c.n, steps.data());
    EXPECT_EQ(steps, c.expected);
  }
  // Channels move independently and each truncates toward zero.
  std::vector<TFxRgb> steps(3);
  FxGradientSteps(0, Rgb(10, 100, 200), Rgb(250, 0, 201), 3, steps.data());
  EXPECT_EQ(steps, (std::vector<TFxRgb>{Rgb(10, 100, 200), Rgb(90, 67, 200), Rgb(170, 34, 200)}));

  // Vertical styles give each row its step, horizontal ones each column.
  TFxBlend blend;
  blend.FillGradient(2, kWhite, kBlack, 2, 3);
  EXPECT_EQ(RowPixels(blend.Foreground(), 1), std::vector<TFxRgb>(2, Rgb(170, 170, 170)));
  blend.FillGradient(0, kWhite, kBlack, 3, 2);
  EXPECT_EQ(RowPixels(blend.Foreground(), 1), gray({255, 170, 85}));
}

class FxTextureFill : public testing::Test {
 protected:
  static constexpr TFxRgb kFont = Rgb(5, 6, 7);
  static constexpr TFxRgb kWindowText = Rgb(40, 41, 42);
  // A 2×2 picture: red, green / blue, and a fully transparent pixel.
  static Bitmap Source() {
    Bitmap bitmap(2, 2);
    bitmap.at(0, 0) = Bgra{0, 0, 255, 255};
    bitmap.at(1, 0) = Bgra{0, 255, 0, 255};
    bitmap.at(0, 1) = Bgra{255, 0, 0, 255};
    bitmap.at(1, 1) = Bgra{0, 0, 0, 0};
    return bitmap;
  }
  static constexpr TFxRgb kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255);

  std::vector<std::vector<TFxRgb>> Fill(const Picture& picture, TTextureMode mode, int w, int h) {
    blend.FillTexture(picture, static_cast<std::uint8_t>(mode), w, h, kFont, kWindowText, nullptr);
    std::vector<std::vector<TFxRgb>> rows;
    for (int y = 0; y < h; ++y) rows.push_back(RowPixels(blend.Foreground(), y));
    return rows;
  }
  TFxBlend blend;
};

TEST_F(FxTextureFill, DrawsThePictureByModeOverTheFontColour) {
  const Picture picture = Picture::FromBitmap(Source());
  ASSERT_FALSE(picture.empty());
  using Rows = std::vector<std::vector<TFxRgb>>;
  const TFxRgb f = kFont;
  EXPECT_EQ(Fill(picture, TTextureMode::tmCenter, 6, 4), (Rows{{f, f, f, f, f, f},
                                                               {f, f, kRed, kGreen, f, f},
                                                               {f, f, kBlue, f, f, f},
                                                               {f, f, f, f, f, f}}));
  EXPECT_EQ(Fill(picture, TTextureMode::tmNormal, 3, 3),
            (Rows{{kRed, kGreen, f}, {kBlue, f, f}, {f, f, f}}));
  EXPECT_EQ(Fill(picture, TTextureMode::tmTiled, 3, 3),
            (Rows{{kRed, kGreen, kRed}, {kBlue, f, kBlue}, {kRed, kGreen, kRed}}));
  EXPECT_EQ(Fill(picture, TTextureMode::tmStretched, 4, 2),
            (Rows{{kRed, kRed, kGreen, kGreen}, {kBlue, kBlue, f, f}}));
  EXPECT_EQ(Fill(Picture(), TTextureMode::tmTiled, 2, 1), (Rows{{f, f}}));
}

TEST_F(FxTextureFill, AStretchedIconSitsOnTheWindowTextColour) {
  auto icon = Picture::FromPayload(GraphicClass::Icon, testing_support::EncodeIcoFile(Source()));
  ASSERT_TRUE(icon.ok()) << icon.error().message;
  using Rows = std::vector<std::vector<TFxRgb>>;
  EXPECT_EQ(Fill(icon.value(), TTextureMode::tmStretched, 2, 2),
            (Rows{{kRed, kGreen}, {kBlue, kWindowText}}));
  EXPECT_EQ(Fill(icon.value(), TTextureMode::tmNormal, 2, 2),
            (Rows{{kRed, kGreen}, {kBlue, kFont}}));
}

TEST(FxBlend, NoiseStaysWithinItsAmplitudeAndFollowsTheSeed) {
  const TFxRgb font = Rgb(250, 0, 128);
  TFxBlend blend;
  TFxRandom random(7);
  blend.FillNoise(font, 20, 16, 4, random);
  bool reachedTop = false, reachedBottom = false;
  for (int y = 0; y < 4; ++y) {
    for (const TFxRgb& p : RowPixels(blend.Foreground(), y)) {
      EXPECT_GE(p.r, 240);  // 250 − 10 … 250 + 9, clamped at 255
      EXPECT_LE(p.g, 9);    // 0 − 10 … 0 + 9, clamped at 0
      EXPECT_GE(p.b, 118);
      EXPECT_LE(p.b, 137);
      reachedTop |= p.r == 255;
      reachedBottom |= p.g == 0;
    }
  }
  EXPECT_TRUE(reachedTop && reachedBottom);

  TFxBlend again;
  TFxRandom sameSeed(7);
  again.FillNoise(font, 20, 16, 4, sameSeed);
  for (int y = 0; y < 4; ++y)
    EXPECT_EQ(RowPixels(again.Foreground(), y), RowPixels(blend.Foreground(), y));

  // Noise over a fill moves every channel byte by −2…+1 here; noise 1 moves nothing.
  again.FillGradient(0, Rgb(0, 128, 255), Rgb(0, 128, 255), 8, 2);
  again.AddNoise(1, sameSeed);
  EXPECT_EQ(RowPixels(again.Foreground(), 1), std::vector<TFxRgb>(8, Rgb(0, 128, 255)));
  again.AddNoise(4, sameSeed);
  for (int y = 0; y < 2; ++y) {
    for (const TFxRgb& p : RowPixels(again.Foreground(), y)) {
      EXPECT_LE(p.r, 1);
      EXPECT_GE(p.g, 126);
      EXPECT_LE(p.g, 129);
      EXPECT_GE(p.b, 253);
    }
  }
}

}  // namespace
}  // namespace plexara
