// Measuring runs and drawing them with their effects: sizes (scaling, italic widening, rotation,
// shadow), the shadow's placement, what TextOut restores, and a golden checksum of one rendered
// run per effect.
#include "textfx/fx_font.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "storage/picture.h"
#include "support/block_glyph_rasterizer.h"
#include "textfx/fx_random.h"

namespace plexara {
namespace {

using testing_support::BlockGlyphRasterizer;

constexpr TFxRgb kWhite{255, 255, 255};

class FxFontTest : public testing::Test {
 public:  // the golden cases set the fixture up through lambdas
  FxFontTest() : canvas(72, 40, kWhite), font(rasterizer, &canvas) {
    TFxCanvasFont canvasFont = canvas.Font();
    canvasFont.height = -16;
    canvasFont.data.color = RgbColor(20, 40, 200);
    canvas.SetFont(canvasFont);
  }

  void SetFontSize(int height, int width, std::uint8_t style = 0) {
    TFxCanvasFont canvasFont = canvas.Font();
    canvasFont.height = height;
    canvasFont.width = width;
    canvasFont.data.style = style;
    canvas.SetFont(canvasFont);
  }

  // The box of the pixels equal to `color`: left, top, right, bottom (inclusive); all −1 if none.
  struct Box {
    int left = -1, top = -1, right = -1, bottom = -1;
    friend bool operator==(const Box&, const Box&) = default;
  };
  Box BoxOf(TFxRgb color, int x0 = 0, int y0 = 0, int x1 = 1 << 20, int y1 = 1 << 20) const {
    Box box;
    for (int y = std::max(y0, 0); y <= std::min(y1, canvas.Height() - 1); ++y) {
      for (int x = std::max(x0, 0); x <= std::min(x1, canvas.Width() - 1); ++x) {
        if (!(canvas.Pixels().At(x, y) == color)) continue;
        if (box.left < 0 || x < box.left) box.left = x;
        if (box.top < 0) box.top = y;
        box.right = std::max(box.right, x);
        box.bottom = y;
      }
    }
    return box;
  }
  static Box InkBox(const TFxMask& mask) {
    Box box;
    for (int y = 0; y < mask.Height(); ++y) {
      for (int x = 0; x < mask.Width(); ++x) {
        if (mask.At(x, y) == 0) continue;
        if (box.left < 0 || x < box.left) box.left = x;
        if (box.top < 0) box.top = y;
        box.right = std::max(box.right, x);
        box.bottom = y;
      }
    }
    return box;
  }

  std::uint32_t Checksum() const {
    std::uint32_t hash = 2166136261u;  // FNV-1a over the visible bytes of every row
    for (int y = 0; y < canvas.Height(); ++y) {
      const std::uint8_t* row = canvas.Pixels().RowBytes(y);
      for (int i = 0; i < canvas.Width() * 3; ++i) hash = (hash ^ row[i]) * 16777619u;
    }
    return hash;
  }

  BlockGlyphRasterizer rasterizer;
  TFxMemoryCanvas canvas;
  TFxFontEx font;
};

TEST_F(FxFontTest, MeasuresAtTheScaledSize) {
  // Block cells are width × |height|; the engine asks for the font scaled by the quality.
  SetFontSize(-12, 5);
  font.SetQuality(TFxQuality::aqNormal);
  EXPECT_EQ(font.TextExtent("abc"), (TFxTextSize{15, 12}));
  EXPECT_EQ(rasterizer.lastFont.height, -36);
  EXPECT_EQ(rasterizer.lastFont.width, 15);
  EXPECT_EQ(font.TextWidth("abcd"), 20);
  EXPECT_EQ(font.TextHeight("abcd"), 12);

  // Measured sizes that do not divide by the scale round up.
  EXPECT_EQ(FxLayoutRun({101, 33}, 4, false, 3, 0), (TFxRunLayout{26, 9, 0, 0}));

  // Italic: 10 characters measured 100 wide gain round(100 ÷ 10 × 0.3) = 3.
  EXPECT_EQ(FxLayoutRun({100, 16}, 1, true, 10, 0).width, 103);
  EXPECT_EQ(FxLayoutRun({0, 16}, 1, true, 0, 0).width, 0);
  SetFontSize(-16, 10, kFontItalic);
  font.SetQuality(TFxQuality::aqNone);
  EXPECT_EQ(font.TextExtent("0123456789"), (TFxTextSize{103, 16}));
}

TEST_F(FxFontTest, RotatedRunsTakeTheTurnedBox) {
  struct Case {
    int tenths;
    TFxRunLayout expected;
  };
  const Case cases[] = {
      {900, {10, 40, 0, 40}},    // reads upward from the bottom-left corner
      {-900, {10, 40, 10, 0}},   // reads downward from the top-right corner
      {1800, {40, 10, 40, 10}},  // upside down from the bottom-right corner
      {450, {36, 36, 0, 29}},    // corners at (±18, ±11) and (±11, ±18) after rounding
  };
  for (const Case& c : cases)
    EXPECT_EQ(FxLayoutRun({40, 10}, 1, false, 4, c.tenths), c.expected) << c.tenths;

  // Angle turns the font for measuring only; the canvas font stays as it was.
  SetFontSize(-10, 10);
  font.SetQuality(TFxQuality::aqLow);
  font.Effect().angle = 90;
  EXPECT_EQ(font.TextExtent("abcd"), (TFxTextSize{10, 40}));
  EXPECT_EQ(rasterizer.lastFont.escapement, 900);
  EXPECT_EQ(canvas.Font().escapement, 0);

  // The rotated run lands inside its mask: a quarter turn of a 40 × 10 run inks a tall box.
  canvas.Pixels().Fill(kWhite);
  font.TextOut(0, 0, "abcd");
  EXPECT_EQ(canvas.Font().escapement, 0);
  const Box ink = InkBox(font.Mask());
  ASSERT_GE(ink.left, 0);
  EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left));
}

TEST_F(FxFontTest, ShadowSitsBesideTheTextWithinTheExtent) {
  font.SetQuality(TFxQuality::aqNone);  // binary coverage: pixels are exactly text or shadow colour
  const TFxRgb text = canvas.FontColor();
  const TFxRgb shade{250, 0, 0};
  const TFxTextSize plain = font.TextExtent("Hi");
  TFxShadow& shadow = font.Effect().shadow;
  shadow.enabled = true;
  shadow.offsetX = -3;
  shadow.offsetY = 5;
  shadow.alpha = 100;
  shadow.blur = 0;
  shadow.color = RgbColor(shade.r, shade.g, shade.b);
  EXPECT_EQ(font.TextExtent("Hi"), (TFxTextSize{plain.cx + 3, plain.cy + 5}));

  font.BuildMask("Hi");
  const Box ink = InkBox(font.Mask());
  font.TextOut(10, 4, "Hi");
  // The text moves 3 right of x; the shadow 5 below y.
  EXPECT_EQ(BoxOf(text), (Box{13 + ink.left, 4 + ink.top, 13 + ink.right, 4 + ink.bottom}));
  const Box shadowBox = BoxOf(shade);
  EXPECT_EQ(shadowBox.left, 10 + ink.left);
  EXPECT_EQ(shadowBox.bottom, 9 + ink.bottom);
  // The text goes over the shadow with a clear brush: shadow pixels survive inside the text's own
  // rectangle, and the solid brush is back afterwards.
  EXPECT_GE(BoxOf(shade, 13, 4, 13 + plain.cx - 1, 4 + plain.cy - 1).left, 0);
  EXPECT_EQ(canvas.BrushStyle(), TFxBrushStyle::Solid);

  // The shadow blurs its own copy of the mask: the text's mask is as built.
  shadow.blur = 80;
  const TFxMask built = font.Mask();
  font.TextOut(10, 4, "Hi");
  EXPECT_EQ(font.Mask(), built);
}

TEST_F(FxFontTest, OpacityExtremesOnFullCoverage) {
  font.SetQuality(TFxQuality::aqNone);
  font.TextOut(2, 2, "Wm");
  const TFxRgb text = canvas.FontColor();
  int inked = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const TFxRgb& p = canvas.Pixels().At(x, y);
      ASSERT_TRUE(p == text || p == kWhite) << x << "," << y;
      inked += p == text;
    }
  }
  EXPECT_GT(inked, 20);

  canvas.Pixels().Fill(kWhite);
  font.Effect().alpha = 0;
  font.TextOut(2, 2, "Wm");
  EXPECT_EQ(BoxOf(kWhite), (Box{0, 0, canvas.Width() - 1, canvas.Height() - 1}));
}

TEST_F(FxFontTest, NothingHappensWithoutCanvasOrText) {
  const std::uint32_t before = Checksum();
  font.TextOut(1, 1, "");
  EXPECT_EQ(rasterizer.drawCalls, 0);
  font.SetCanvas(nullptr);
  EXPECT_EQ(font.TextExtent("abc"), (TFxTextSize{0, 0}));
  font.TextOut(1, 1, "abc");
  font.BuildMask("abc");
  EXPECT_EQ(font.Mask().Width(), 0);
  EXPECT_EQ(rasterizer.drawCalls, 0);
  EXPECT_EQ(Checksum(), before);
}

TEST_F(FxFontTest, AnAbsurdlyLargeRunIsNotDrawn) {
  // A damaged file can carry any font size: the run measures, but its working buffer would
  // take gigabytes, so nothing is drawn and nothing is allocated for it.
  SetFontSize(-2000000000, 0);
  const std::string run(3000, 'W');
  const TFxTextSize extent = font.TextExtent(run);
  EXPECT_GT(extent.cx, 1000000);
  const std::uint32_t before = Checksum();
  font.TextOut(0, 0, run);
  EXPECT_EQ(font.Mask().Width(), 0);
  EXPECT_EQ(rasterizer.drawCalls, 0);
  EXPECT_EQ(Checksum(), before);
}

// A rasteriser whose drawing fails, to see what TextOut puts back on the way out.
class FailingRasterizer final : public GlyphRasterizer {
 public:
  TFxTextSize Measure(const TFxCanvasFont&, std::string_view) override { return {40, 16}; }
  void Draw(const TFxCanvasFont&, std::string_view, int, int, std::uint8_t*, std::size_t, int,
            int) override {
    throw std::runtime_error("no glyphs");
  }
};

TEST_F(FxFontTest, TextOutPutsTheFontBackWhenAStepFails) {
  FailingRasterizer failing;
  TFxFontEx failingFont(failing, &canvas);
  failingFont.Effect().angle = 30;
  failingFont.Effect().shadow.enabled = true;
  const TFxCanvasFont before = canvas.Font();
  EXPECT_THROW(failingFont.TextOut(0, 0, "abc"), std::runtime_error);
  EXPECT_EQ(canvas.Font(), before);
  EXPECT_EQ(canvas.BrushStyle(), TFxBrushStyle::Solid);
}

Picture TexturePicture() {
  Bitmap bitmap(3, 2);
  const Bgra colors[] = {{0, 0, 255, 255},   {0, 200, 0, 255},   {255, 0, 0, 255},
                         {0, 255, 255, 255}, {255, 0, 255, 128}, {30, 30, 30, 255}};
  for (int i = 0; i < 6; ++i) bitmap.at(i % 3, i / 3) = colors[i];
  return Picture::FromBitmap(bitmap);
}

TEST_F(FxFontTest, CopyingAnEffectSetCopiesEverySubEffect) {
  TFxEffect effect;
  effect.alpha = 40;
  effect.shadow = TFxShadow{true, 10, 33, RgbColor(1, 2, 3), -4, 6};
  effect.gradient = TFxGradient{true, 4, RgbColor(9, 9, 9), RgbColor(8, 8, 8)};
  effect.texture.enabled = true;
  effect.texture.mode = 2;
  effect.texture.picture = TexturePicture();
  font.SetEffect(effect);
  const TFxEffect copy = font.Effect();
  EXPECT_EQ(copy, effect);
  EXPECT_EQ(copy.shadow.alpha, 33);
  EXPECT_FALSE(copy.texture.picture.empty());
  EXPECT_EQ(copy.texture.picture.width(), 3);
}

// One run per effect, rendered from the same seed, compared with the checksum it had when its
// pixels were checked. A change here means the pixels of that effect changed.
TEST_F(FxFontTest, GoldenChecksumPerEffect) {
  using Setup = std::function<void(TFxFontEx&, FxFontTest&)>;
  struct Case {
    const char* name;
    Setup setup;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {"plain", [](TFxFontEx&, FxFontTest&) {}, 294224139u},
      {"alpha 60", [](TFxFontEx& f, FxFontTest&) { f.Effect().alpha = 60; }, 1643332935u},
      {"quality normal", [](TFxFontEx& f, FxFontTest&) { f.SetQuality(TFxQuality::aqNormal); },
       55323127u},
      {"quality low", [](TFxFontEx& f, FxFontTest&) { f.SetQuality(TFxQuality::aqLow); },
       2185043871u},
      {"quality none", [](TFxFontEx& f, FxFontTest&) { f.SetQuality(TFxQuality::aqNone); },
       3831291935u},
      {"blur 50", [](TFxFontEx& f, FxFontTest&) { f.Effect().blur = 50; }, 1980061765u},
      {"blur 100", [](TFxFontEx& f, FxFontTest&) { f.Effect().blur = 100; }, 1510457435u},
      {"outline", [](TFxFontEx& f, FxFontTest&) { f.Effect().outline = true; }, 4237121954u},
      {"spray 3", [](TFxFontEx& f, FxFontTest&) { f.Effect().spray = 3; }, 1975523447u},
      {"mirrors",
       [](TFxFontEx& f, FxFontTest&) { f.Effect().horzMirror = f.Effect().vertMirror = true; },
       4192256279u},
      {"shadow", [](TFxFontEx& f, FxFontTest&) { f.Effect().shadow.enabled = true; }, 2539041062u},
      {"shadow -3,5 on clear brush",
       [](TFxFontEx& f, FxFontTest& t) {
         f.Effect().shadow = TFxShadow{true, 0, 50, RgbColor(0, 160, 0), -3, 5};
         t.canvas.SetBrushStyle(TFxBrushStyle::Clear);
       },
       3095503902u},
      {"gradient centre",
       [](TFxFontEx& f, FxFontTest&) {
         f.Effect().gradient = {true, 4, RgbColor(255, 200, 0), RgbColor(0, 0, 120)};
       },
       822481627u},
      {"gradient bottom",
       [](TFxFontEx& f, FxFontTest&) {
         f.Effect().gradient = {true, 3, RgbColor(255, 0, 0), RgbColor(0, 0, 255)};
       },
       2999602446u},
      {"texture tiled",
       [](TFxFontEx& f, FxFontTest&) {
         f.Effect().texture = {true, 0, TexturePicture()};
       },
       372995707u},
      {"texture stretched",
       [](TFxFontEx& f, FxFontTest&) {
         f.Effect().texture = {true, 1, TexturePicture()};
       },
       1330874560u},
      {"texture centre",
       [](TFxFontEx& f, FxFontTest&) {
         f.Effect().texture = {true, 2, TexturePicture()};
       },
       1559147601u},
      {"noise", [](TFxFontEx& f, FxFontTest&) { f.Effect().noise = 90; }, 1344391259u},
      {"noise over gradient",
       [](TFxFontEx& f, FxFontTest&) {
         f.Effect().noise = 40;
         f.Effect().gradient = {true, 0, RgbColor(255, 255, 255), RgbColor(0, 0, 0)};
       },
       725229966u},
      {"angle 90", [](TFxFontEx& f, FxFontTest&) { f.Effect().angle = 90; }, 1711118511u},
      {"angle 180 bold",
       [](TFxFontEx& f, FxFontTest& t) {
         f.Effect().angle = 180;
         t.SetFontSize(-16, 0, kFontBold);
       },
       3578237432u},
      {"italic", [](TFxFontEx&, FxFontTest& t) { t.SetFontSize(-16, 0, kFontItalic); },
       3426947375u},
  };
  const TFxCanvasFont initialFont = canvas.Font();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    canvas.Pixels().Fill(TFxRgb{235, 245, 255});
    canvas.SetFont(initialFont);
    canvas.SetBrushStyle(TFxBrushStyle::Solid);
    canvas.SetBrushColor(RgbColor(255, 245, 235));
    font.SetEffect(TFxEffect{});
    font.SetQuality(TFxQuality::aqHigh);
    c.setup(font, *this);
    FxRandom().Seed(20240607u);
    font.TextOut(4, 3, "Ag7 x");
    EXPECT_EQ(Checksum(), c.expected) << "{\"" << c.name << "\", ..., " << Checksum() << "u}";
  }
}

}  // namespace
}  // namespace plexara
