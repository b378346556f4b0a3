// Real GDI text through the effect engine: the supersampled mask has smooth edges, GDI itself
// draws plain coverage, and a turned run has the turned extent. <windows.h> comes first, as in
// the text controls, so the engine's TextOut is called through the platform's TextOut macro.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "textfx/fx_font.h"
#include "textfx/glyph_rasterizer_win32.h"

namespace plexara {
namespace {

constexpr TFxRgb kWhite{255, 255, 255};
constexpr const char* kRun = "Plexara menus";

class FxGdiText : public testing::Test {
 protected:
  FxGdiText() : canvas(320, 120, kWhite), font(GdiGlyphRasterizer(), &canvas) {
    FontData data;
    data.name = "Arial";
    data.size = 16;
    data.color = kColorBlack;
    canvas.SetFont(FxCanvasFont(data));
  }

  struct Coverage {
    int none = 0, partial = 0, full = 0;
  };
  static Coverage CoverageOf(const TFxMask& mask) {
    Coverage c;
    for (int y = 0; y < mask.Height(); ++y) {
      for (int x = 0; x < mask.Width(); ++x) {
        const int m = mask.At(x, y);
        (m == 0 ? c.none : m == 255 ? c.full : c.partial)++;
      }
    }
    return c;
  }

  TFxMemoryCanvas canvas;
  TFxFontEx font;
};

TEST_F(FxGdiText, SupersampledTextHasSmoothEdges) {
  const TFxTextSize extent = font.TextExtent(kRun);
  EXPECT_GT(extent.cx, 80);
  EXPECT_GE(extent.cy, 18);  // Arial at 16 points is 21 pixels high at 96 dpi

  font.TextOut(4, 4, kRun);
  const Coverage smooth = CoverageOf(font.Mask());
  EXPECT_GT(smooth.full, 50);
  EXPECT_GT(smooth.partial, 100);
  EXPECT_GT(smooth.none, 100);
  int grey = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x)
      grey += canvas.Pixels().At(x, y).g > 40 && canvas.Pixels().At(x, y).g < 215;
  }
  EXPECT_GT(grey, 100);

  // Without supersampling the same run is plain ink or none: the smoothing is the engine's.
  font.SetQuality(TFxQuality::aqNone);
  font.BuildMask(kRun);
  const Coverage plain = CoverageOf(font.Mask());
  EXPECT_EQ(plain.partial, 0);
  EXPECT_GT(plain.full, 50);
}

TEST_F(FxGdiText, TurnedRunHasTheTurnedExtent) {
  const TFxTextSize upright = font.TextExtent(kRun);
  font.Effect().angle = 90;
  const TFxTextSize turned = font.TextExtent(kRun);
  EXPECT_LE(std::abs(turned.cx - upright.cy), 1);
  EXPECT_LE(std::abs(turned.cy - upright.cx), 1);

  font.TextOut(10, 0, kRun);
  EXPECT_EQ(canvas.Font().escapement, 0);
  // GDI really turned the glyphs: the ink runs up the mask, not across it, and stays inside.
  const TFxMask& mask = font.Mask();
  int left = mask.Width(), right = -1, top = mask.Height(), bottom = -1;
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) {
      if (mask.At(x, y) < 128) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(right, 0);
  EXPECT_GT(bottom - top, 3 * (right - left));
  EXPECT_GT(bottom - top, upright.cx * 3 / 4);
}

}  // namespace
}  // namespace plexara
