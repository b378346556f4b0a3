// The coverage mask: downsampling by quality, row access, and the shape effects with their exact
// integer arithmetic.
#include "textfx/fx_mask.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "textfx/fx_random.h"

namespace plexara {
namespace {

TFxMask MaskOf(const std::vector<std::vector<int>>& rows) {
  TFxMask mask;
  mask.SetSize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) mask.At(x, y) = static_cast<std::uint8_t>(rows[y][x]);
  }
  return mask;
}

std::vector<std::vector<int>> RowsOf(const TFxMask& mask) {
  std::vector<std::vector<int>> rows(mask.Height());
  for (int y = 0; y < mask.Height(); ++y) rows[y].assign(mask.Row(y), mask.Row(y) + mask.Width());
  return rows;
}

TEST(FxMask, DownsamplesEachQualityByItsTable) {
  // Samples 2 mask pixels wide and 1 high at every scale; the second mask pixel's block holds
  // 255 everywhere. Full ink stays 255 except at normal quality, whose two halved samples each
  // lose their low bit: (8 × 255 − 1) >> 3 = 254.
  struct Case {
    TFxQuality quality;
    std::vector<std::vector<int>> block;  // the first pixel's scale × scale samples
    int expected;
    int full;
  };
  const Case cases[] = {
      {TFxQuality::aqHigh,
       {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 250}},
       (120 + 250) >> 4,
       255},
      // Top-right and bottom-left samples are halved (31 → 15, 71 → 35) before the sum.
      {TFxQuality::aqNormal,
       {{10, 20, 31}, {40, 50, 60}, {71, 80, 90}},
       (10 + 20 + 15 + 150 + 35 + 80 + 90) >> 3,
       254},
      {TFxQuality::aqLow, {{1, 2}, {3, 5}}, 11 >> 2, 255},
      {TFxQuality::aqNone, {{77}}, 77, 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.quality));
    const int scale = FxQualityScale(c.quality);
    ASSERT_EQ(static_cast<int>(c.block.size()), scale);
    const std::size_t stride = 2 * scale + 5;  // padded rows must be honoured
    std::vector<std::uint8_t> samples(stride * scale, 9);
    for (int y = 0; y < scale; ++y) {
      for (int x = 0; x < scale; ++x) {
        samples[y * stride + x] = static_cast<std::uint8_t>(c.block[y][x]);
        samples[y * stride + scale + x] = 255;
      }
    }
    TFxMask mask;
    mask.SetQuality(c.quality);
    EXPECT_EQ(mask.Scale(), scale);
    mask.SetSize(2, 1);
    mask.Downsample(samples.data(), stride);
    EXPECT_EQ(mask.At(0, 0), c.expected);
    EXPECT_EQ(mask.At(1, 0), c.full);
  }
}

TEST(FxMask, RowsOutsideTheMaskRaiseInvalidLine) {
  TFxMask mask;
  mask.SetSize(5, 3);
  EXPECT_EQ(mask.Stride(), 8);
  EXPECT_NO_THROW(mask.ScanLine(2));
  for (const int y : {-1, 3}) {
    try {
      mask.ScanLine(y);
      ADD_FAILURE() << "row " << y << " was accepted";
    } catch (const EInvalidLine& e) {
      EXPECT_EQ(std::string(e.what()), "Invalid line!");
    }
  }
  // A copy carries size, quality, stride and bytes.
  mask.SetQuality(TFxQuality::aqLow);
  mask.At(4, 2) = 200;
  const TFxMask copy = mask;
  EXPECT_EQ(copy, mask);
  EXPECT_EQ(copy.Quality(), TFxQuality::aqLow);
  EXPECT_EQ(copy.At(4, 2), 200);
}

TEST(FxMask, OutlineTakesTheEdgeStrengthOfInteriorPixels) {
  TFxMask mask = MaskOf({{0, 10, 20, 5}, {30, 40, 100, 5}, {200, 250, 255, 5}});
  mask.Outline();
  // Centre (1, 1): (|255−0| + |250−10| + |100−30| + |200−20|) ÷ 4 = 745 ÷ 4 = 186.
  // Centre (2, 1): (|5−10| + |255−20| + |5−40| + |250−5|) ÷ 4 = 520 ÷ 4 = 130.
  EXPECT_EQ(RowsOf(mask),
            (std::vector<std::vector<int>>{{0, 10, 20, 5}, {30, 186, 130, 5}, {200, 250, 255, 5}}));

  const std::vector<std::vector<int>> twoRows = {{0, 255, 0, 255}, {255, 0, 255, 0}};
  TFxMask flat = MaskOf(twoRows);
  flat.Outline();
  EXPECT_EQ(RowsOf(flat), twoRows);
}

TEST(FxMask, SprayMirrorsAndTheirLimits) {
  const std::vector<std::vector<int>> rows = {{1, 2, 3}, {4, 5, 6}};
  TFxRandom random(1234);
  TFxMask mask = MaskOf(rows);
  mask.Spray(0, random);
  EXPECT_EQ(RowsOf(mask), rows);

  // A sprayed pixel only ever takes a value of the mask (clamped at its edges), so a one-valued
  // mask stays one-valued.
  TFxMask solid = MaskOf({{7, 7, 7, 7, 7}, {7, 7, 7, 7, 7}});
  solid.Spray(3, random);
  for (const auto& row : RowsOf(solid)) EXPECT_EQ(row, std::vector<int>(5, 7));

  mask.HorzMirror();
  EXPECT_EQ(RowsOf(mask), (std::vector<std::vector<int>>{{3, 2, 1}, {6, 5, 4}}));
  mask.VertMirror();
  EXPECT_EQ(RowsOf(mask), (std::vector<std::vector<int>>{{6, 5, 4}, {3, 2, 1}}));
}

TEST(FxMask, BlurFactorRoundsHalfToEven) {
  const std::pair<int, int> cases[] = {{0, 0},    {1, 3},    {2, 5},    {10, 26},  {30, 76},
                                       {50, 128}, {70, 178}, {90, 230}, {99, 252}, {100, 255}};
  for (const auto& [strength, k] : cases) EXPECT_EQ(FxBlurFactor(strength), k) << strength;
}

TEST(FxMask, BlurMixesTheRoundedNeighbourhoodAverage) {
  // One row, so every 5×5 neighbourhood repeats that row five times. At x = 2 the sum is
  // 5 × 260 = 1300 and A = 52; at x = 0 it is 5 × 255 = 1275 and A = 51.
  const std::vector<std::vector<int>> row = {{0, 0, 255, 0, 5}};
  TFxMask full = MaskOf(row);
  full.Blur(100);
  EXPECT_EQ(RowsOf(full), (std::vector<std::vector<int>>{{51, 51, 52, 53, 54}}));

  // k = 128: 255 + ⌊(52 − 255) × 128 ÷ 256⌋ = 255 − 102 (the floor of −101.5, not −101);
  // 0 + ⌊51 × 128 ÷ 256⌋ = 25.
  TFxMask half = MaskOf(row);
  half.Blur(50);
  EXPECT_EQ(half.At(2, 0), 153);
  EXPECT_EQ(half.At(0, 0), 25);

  TFxMask untouched = MaskOf(row);
  untouched.Blur(0);
  EXPECT_EQ(RowsOf(untouched), row);

  // Blur 100 on a larger mask equals the plain definition: the rounded mean of the clamped 5×5
  // neighbourhood of the unblurred mask.
  TFxMask mask;
  mask.SetSize(9, 7);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 9; ++x)
      mask.At(x, y) = static_cast<std::uint8_t>((x * 53 + y * 97 + x * y * 11) % 256);
  }
  TFxMask blurred = mask;
  blurred.Blur(100);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 9; ++x) {
      int sum = 0;
      for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx)
          sum += mask.At(std::clamp(x + dx, 0, 8), std::clamp(y + dy, 0, 6));
      }
      ASSERT_EQ(blurred.At(x, y), (sum * 2 + 25) / 50) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace plexara
