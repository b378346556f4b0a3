// The anti-aliased text controls with the block rasteriser and a stepped timer service: label
// auto-size and transparency, the link's fade, tags and word wrap in a text, the scroll and fade
// state machines, and the exact pixel steps (cross-fade, scroll-fade rows).
#include "textfx/fx_controls.h"

#include <gtest/gtest.h>

#include <string>

#include "support/block_glyph_rasterizer.h"
#include "textfx/fx_crossfade.h"
#include "textfx/fx_fade_text.h"
#include "textfx/fx_scroll_text.h"
#include "textfx/fx_text_controls.h"

namespace plexara {
namespace {

using testing_support::BlockGlyphRasterizer;

class SteppedClock final : public TFxTimerClock {
 public:
  std::uint32_t Now() override { return now; }
  std::uint32_t now = 1000;
};

class RecordingHost final : public TFxControlHost {
 public:
  void Invalidate() override { ++invalidations; }
  void SizeChanged(int w, int h) override {
    width = w;
    height = h;
  }
  int invalidations = 0;
  int width = -1, height = -1;
};

constexpr TFxRgb kRed{0, 0, 255};
constexpr TFxRgb kWhite{255, 255, 255};

// Fonts of 12 points are 16 pixels high and 8 wide a character with the block rasteriser.
FontData FontOfSize(int points) {
  FontData font;
  font.size = points;
  return font;
}

struct ControlTest : testing::Test {
  BlockGlyphRasterizer rasterizer;
  SteppedClock clock;
  TFxTimerService timers{clock, nullptr, false};
  TFxControlEnv env{&rasterizer, &timers};
  RecordingHost host;

  // Paints the control onto a screen of its size holding `below`.
  TFxPictureCanvas PaintOn(TFxGraphicControl& control, TFxRgb below = kRed) {
    TFxPictureCanvas screen;
    screen.SetSize(control.Width(), control.Height());
    screen.Pixels().Fill(below);
    control.Paint(screen);
    return screen;
  }
  void Advance(std::uint32_t ms) {
    clock.now += ms;
    timers.FireDue(true);
  }
};

int CountWhere(const TFxRgbBuffer& pixels, bool (*test)(TFxRgb)) {
  int count = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    for (int x = 0; x < pixels.Width(); ++x) count += test(pixels.At(x, y)) ? 1 : 0;
  }
  return count;
}

TEST_F(ControlTest, LabelAutoSizeFollowsItsAlign) {
  TFxLabel label(env);
  label.SetHost(&host);
  label.SetFont(FontOfSize(12));
  label.SetCaption("abcd");
  label.SetBorder(3);
  label.SetBounds(100, 50);
  label.SetAlign(kFxControlAlignTop);
  PaintOn(label);
  EXPECT_EQ(label.Width(), 100);  // align top keeps the width
  EXPECT_EQ(label.Height(), 16 + 6);
  EXPECT_EQ(host.height, 22);
  label.SetAlign(kFxControlAlignNone);  // loaded now: the change re-renders and sizes at once
  EXPECT_EQ(label.Width(), 4 * 8 + 6);
}

TEST_F(ControlTest, LabelIsOpaqueOrShowsWhatLiesBelow) {
  TFxLabel label(env);
  label.SetFont(FontOfSize(12));
  label.SetCaption("ab");
  label.SetAutoSize(false);
  label.SetBounds(40, 30);
  label.SetColor(RgbColor(0, 255, 0));
  TFxPictureCanvas opaque = PaintOn(label);
  EXPECT_EQ(opaque.Pixels().At(39, 29), (TFxRgb{0, 255, 0}));

  label.Effect().SetTransparent(true);
  TFxPictureCanvas see = PaintOn(label);
  EXPECT_EQ(see.Pixels().At(39, 29), kRed);
  EXPECT_EQ(see.Pixels().At(0, 0), kRed);
  // Black ink (at normal quality full coverage is 254 of 255, so ink is nearly, not exactly,
  // black).
  EXPECT_GT(CountWhere(see.Pixels(), [](TFxRgb p) { return p.r < 8 && p.g < 8; }), 20);
}

TEST_F(ControlTest, LinkFadesItsHotLookInAndOut) {
  TFxLinkLabel link(env);
  link.SetHost(&host);
  link.SetFont(FontOfSize(12));
  link.SetCaption("go");
  link.SetColor(kColorWhite);
  link.HotLink().SetBackColor(kColorWhite);
  PaintOn(link);

  link.MouseEnter();
  EXPECT_TRUE(link.hot());
  EXPECT_EQ(link.fadeState(), 1);
  Advance(54);
  EXPECT_EQ(link.shownLevel(), 0);
  Advance(1);  // the fade timer runs every 55 ms; a step is 55 × 255 ÷ 600 = 23
  EXPECT_EQ(link.shownLevel(), 23);
  for (int i = 0; i < 10; ++i) link.FadeTick();
  EXPECT_EQ(link.shownLevel(), 253);
  link.FadeTick();
  EXPECT_EQ(link.shownLevel(), 255);
  EXPECT_EQ(link.fadeState(), 0);
  // Fully hot: the caption is in the hot colour (blue) on the hot background.
  EXPECT_GT(CountWhere(PaintOn(link).Pixels(), [](TFxRgb p) { return p.b > 250 && p.r < 8; }), 10);

  link.MouseLeave();
  EXPECT_FALSE(link.hot());
  for (int i = 0; i < 12; ++i) link.FadeTick();
  EXPECT_EQ(link.shownLevel(), 0);
  EXPECT_EQ(link.fadeState(), 0);

  // A stored FadeDelay of 0 must not divide by zero: one step does the whole fade.
  link.HotLink().SetFadeDelay(0);
  link.MouseEnter();
  link.FadeTick();
  EXPECT_EQ(link.shownLevel(), 255);

  // A delay so long that a tick's share rounds to nothing still moves a level a tick.
  link.MouseLeave();
  link.FadeTick();
  link.HotLink().SetFadeDelay(60000);
  link.MouseEnter();
  link.FadeTick();
  EXPECT_EQ(link.shownLevel(), 1);
  for (int i = 0; i < 254; ++i) link.FadeTick();
  EXPECT_EQ(link.shownLevel(), 255);

  // Disabling stops the fade and shows the normal look; a disabled link ignores the pointer.
  link.SetEnabled(false);
  EXPECT_EQ(link.shownLevel(), 0);
  link.MouseEnter();
  EXPECT_FALSE(link.hot());
}

TEST(FxPixels, CrossFadeMixesEveryChannelByte) {
  TFxRgbBuffer a(3, 2), b(2, 4), out;
  a.Fill(TFxRgb{0, 255, 100});
  b.Fill(TFxRgb{255, 0, 100});
  CrossFade(a, b, 128, out);
  EXPECT_EQ(out.Width(), 2);
  EXPECT_EQ(out.Height(), 2);
  EXPECT_EQ(out.At(1, 1),
            (TFxRgb{127, 127, 100}));  // 0 + ⌊255 × 128 ÷ 256⌋, 255 + ⌊−255 × 128 ÷ 256⌋
  CrossFade(a, b, 0, out);
  EXPECT_EQ(out.At(0, 0), a.At(0, 0));
  CrossFade(a, b, 255, out);
  EXPECT_EQ(out.At(0, 0), b.At(0, 0));
}

TEST(FxPixels, ScrollFadeRowsMeetTheBackground) {
  EXPECT_EQ(ScrollFadeFactor(0, 10), 0);
  EXPECT_EQ(ScrollFadeFactor(5, 10), 141);
  EXPECT_EQ(ScrollFadeFactor(9, 10), 255);
  EXPECT_EQ(ScrollFadeFactor(0, 1), 0);  // a band of one row: no division by zero
  TFxRgbBuffer window(2, 6);
  window.Fill(TFxRgb{0, 100, 255});
  const TFxRgb background{255, 100, 255};
  FadeScrollEdges(window, 3, background);
  EXPECT_EQ(window.At(0, 0), background);
  EXPECT_EQ(window.At(1, 5), background);
  EXPECT_EQ(window.At(0, 1).b, 255 + ((0 - 255) * 127 >> 8));  // factor 1 × 255 ÷ 2 = 127
  EXPECT_EQ(window.At(0, 2).b, 0);                             // 255 + ⌊−255 × 255 ÷ 256⌋
  EXPECT_EQ(window.At(0, 3).b, 0);
  EXPECT_EQ(window.At(0, 2).g, 100);  // equal channels stay
}

TEST_F(ControlTest, TextTagsLastUntilTheNextLabelOrOneLine) {
  TFontLabels fonts;
  fonts.Add("Title1").font = FontOfSize(24);  // 32 pixels high
  for (const std::uint8_t effect : {leUntilNextLabel, leOnlyALine}) {
    TFxText text(env);
    text.SetFont(FontOfSize(12));
    text.SetFonts(fonts);
    text.SetBorder(2);
    text.Text().SetLabelEffect(effect);
    text.Text().SetLines({"<title1>Head", "body"});
    PaintOn(text);
    // The first row advances round(1.2 × 32) = 38; the last adds its own height only.
    const int secondRow = effect == leUntilNextLabel ? 32 : 16;
    EXPECT_EQ(text.Height(), 4 + 38 + secondRow) << int(effect);
    EXPECT_EQ(text.Width(), 4 * 16 + 4);
  }
}

TEST_F(ControlTest, TextWrapsLinesWiderThanTheControl) {
  TFxText text(env);
  text.SetFont(FontOfSize(12));
  text.SetBounds(100, 10);
  text.Text().SetWordWrap(true);
  text.Text().SetLines({"aaaa bbbb cccc", ""});
  PaintOn(text);
  // "aaaa bbbb " and "cccc", then the empty line as one row: 19 + 19 + 16.
  EXPECT_EQ(text.Width(), 100);
  EXPECT_EQ(text.Height(), 19 + 19 + 16);
}

struct ScrollTest : ControlTest {
  TFxScrollText scroll{env};
  int completed = 0;
  ScrollTest() {
    scroll.SetHost(&host);
    scroll.SetFont(FontOfSize(12));
    scroll.SetBounds(40, 40);
    scroll.Text().SetLines({"ab"});
    scroll.OnComplete = [this] { ++completed; };
  }
};

TEST_F(ScrollTest, PicturesTheTextOnceAndFadesTheEdges) {
  const TFxPictureCanvas screen = PaintOn(scroll);
  // FadeHeight 10 + one row of 19 + 60 % of 40 below.
  EXPECT_EQ(scroll.textPicture().Height(), 10 + 19 + 24);
  EXPECT_EQ(scroll.passCounter(), -1);
  for (int x = 0; x < 40; ++x) EXPECT_EQ(screen.Pixels().At(x, 0), kWhite);
  EXPECT_GT(CountWhere(screen.Pixels(), [](TFxRgb p) { return p.r < 8; }), 10);
  // Never smaller than 20 × 20, nor lower than its minimum height.
  scroll.SetMinHeight(30);
  scroll.SetBounds(5, 5);
  EXPECT_EQ(host.width, 20);
  EXPECT_EQ(host.height, 30);
}

TEST_F(ScrollTest, StopsAfterRepeatCountPasses) {
  PaintOn(scroll);
  scroll.SetRepeatCount(2);
  scroll.SetRepeatDelay(0);
  const int pictureHeight = scroll.textPicture().Height();
  int ticks = 0;
  while (completed == 0 && ticks < 1000) {
    Advance(60);  // ScrollDelay
    ++ticks;
  }
  EXPECT_EQ(ticks, 2 * pictureHeight + 1);
  EXPECT_EQ(completed, 1);
  EXPECT_FALSE(scroll.Active());
  EXPECT_EQ(scroll.passCounter(), -1);
}

TEST_F(ScrollTest, PausesAtTheTopAndScrollsEitherWay) {
  PaintOn(scroll);
  const int pictureHeight = scroll.textPicture().Height();
  scroll.ScrollTick();  // offset 0: a pass starts with the pause
  EXPECT_TRUE(scroll.repeatPending());
  Advance(60);
  EXPECT_EQ(scroll.offset(), 0);
  Advance(1940);  // RepeatDelay 2000
  EXPECT_EQ(scroll.offset(), 1);
  EXPECT_FALSE(scroll.repeatPending());

  scroll.SetScrollStep(-3);
  scroll.ScrollTick();
  EXPECT_EQ(scroll.offset(), 0);  // not below 0
  scroll.SetRepeatDelay(0);
  scroll.ScrollTick();  // downward through the picture's end
  EXPECT_EQ(scroll.offset(), pictureHeight - 3);

  scroll.SetScrollDelay(0);
  Advance(100000);
  EXPECT_EQ(scroll.offset(), pictureHeight - 3);
}

struct FadeTest : ControlTest {
  TFxFadeText fade{env};
  int completed = 0;
  FadeTest() {
    fade.SetHost(&host);
    fade.SetFont(FontOfSize(12));
    fade.OnComplete = [this] { ++completed; };
  }
};

TEST_F(FadeTest, DelaysKeepTheirDistance) {
  fade.Text().SetFadeDelay(5000);  // LineDelay 3000
  EXPECT_EQ(fade.Text().FadeDelay(), 2800u);
  fade.Text().SetFadeDelay(10);
  EXPECT_EQ(fade.Text().FadeDelay(), 50u);
  fade.Text().SetFadeDelay(600);
  fade.Text().SetLineDelay(100);
  EXPECT_EQ(fade.Text().LineDelay(), 800u);
}

TEST_F(FadeTest, ShowsEachLineAndFadesItIn) {
  fade.Text().SetLines({"one"});
  PaintOn(fade);  // the first paint shows the first line at once
  EXPECT_EQ(fade.currentText(), "one");
  EXPECT_EQ(fade.shownLevel(), 0);
  int ticks = 0;
  while (fade.fading() && ticks < 100) {
    Advance(25);
    ++ticks;
  }
  EXPECT_EQ(ticks, 26);  // steps of 25 × 255 ÷ 600 = 10, the 26th passes 255
  EXPECT_EQ(fade.shownLevel(), 255);
  Advance(3000 - 26 * 25);
  EXPECT_EQ(fade.previousText(), "one");  // one line, endless: it fades from itself to itself
  EXPECT_EQ(fade.currentText(), "one");
  EXPECT_EQ(fade.shownLevel(), 0);
  EXPECT_EQ(fade.passCounter(), 1);
}

TEST_F(FadeTest, FadesToEmptyAfterRepeatCountPasses) {
  fade.Text().SetLines({"one", "two"});
  fade.SetRepeatCount(1);
  PaintOn(fade);
  fade.LineTick();
  EXPECT_EQ(fade.currentText(), "two");
  fade.LineTick();
  EXPECT_EQ(completed, 1);
  EXPECT_FALSE(fade.Active());
  EXPECT_EQ(fade.currentText(), "");
  EXPECT_EQ(fade.lineIndex(), -1);
  fade.SetActive(true);  // on again: the first line at once
  EXPECT_EQ(fade.currentText(), "one");
}

}  // namespace
}  // namespace plexara
