// ImageButton and Image looks without a window: picture and caption positions of the six layouts,
// the slide offset, the picture and font a pointer state picks, and the Image's picture choice.
#include "objects/image_button_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace plexara {
namespace {

constexpr LayoutRect kMargins{2, 2, 98, 38};  // the clip of a 100 × 40 button with margin 2

struct PlacementCase {
  const char* name;
  std::uint8_t layout;
  int pictureWidth, pictureHeight;
  int textWidth, textHeight;
  int slide;
  ImageButtonPlacement expected;
};

ImageButtonPlacement Placed(LayoutRect picture, int captionX, int captionY, bool stretch = false) {
  return {true, stretch, picture, true, captionX, captionY, kMargins};
}

TEST(ImageButtonLayout, PlacesPictureAndCaptionForEachLayout) {
  // 100 × 40, margin 2, space 3; caption 30 × 12 unless said otherwise.
  const PlacementCase cases[] = {
      {"left", kImageLayoutLeft, 16, 10, 30, 12, 0, Placed({2, 15, 18, 25}, 2 + 16 + 2 + 3, 14)},
      {"left without picture", kImageLayoutLeft, 0, 0, 30, 12, 0,
       {false, false, {2, 20, 2, 20}, true, 5, 14, kMargins}},
      {"left, picture wider than the button", kImageLayoutLeft, 120, 10, 30, 12, 0,
       Placed({2, 15, 122, 25}, 98 - 30, 14)},
      {"left, picture taller than the button halves toward zero", kImageLayoutLeft, 16, 45, 30, 12, 0,
       Placed({2, -2, 18, 43}, 23, 14)},
      {"left, sliding", kImageLayoutLeft, 16, 10, 30, 12, 2, Placed({4, 17, 20, 27}, 25, 16)},
      {"top", kImageLayoutTop, 16, 10, 30, 12, 0, Placed({42, 2, 58, 12}, 35, 2 + 10 + 2 + 3)},
      {"top, caption would end below the margin", kImageLayoutTop, 16, 30, 30, 12, 0,
       Placed({42, 2, 58, 32}, 35, 38 - 12)},
      {"right", kImageLayoutRight, 16, 10, 30, 12, 0, Placed({82, 15, 98, 25}, 82 - 30 - 3, 14)},
      {"right without picture", kImageLayoutRight, 0, 0, 30, 12, 0,
       {false, false, {98, 20, 98, 20}, true, 100 - 2 - 3 - 30, 14, kMargins}},
      {"right, caption kept inside the margin", kImageLayoutRight, 90, 10, 30, 12, 0,
       Placed({8, 15, 98, 25}, 2, 14)},
      {"bottom", kImageLayoutBottom, 16, 10, 30, 12, 0, Placed({42, 28, 58, 38}, 35, 28 - 3 - 12)},
      {"center", kImageLayoutCenter, 16, 10, 30, 12, 0, Placed({42, 15, 58, 25}, 35, 14 + 3)},
      {"center, empty caption", kImageLayoutCenter, 16, 10, 0, 0, 0, Placed({42, 15, 58, 25}, 50, 23)},
      {"stretch never slides the picture", kImageLayoutStretch, 16, 10, 30, 12, 2,
       Placed(kMargins, 37, 19, true)},
      {"a layout above 5 draws the frame only", 6, 16, 10, 30, 12, 0, {false, false, {}, false, 0, 0, kMargins}},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.name);
    ImageButtonMetrics metrics;
    metrics.width = 100;
    metrics.height = 40;
    metrics.margin = 2;
    metrics.space = 3;
    metrics.layout = c.layout;
    metrics.pictureWidth = c.pictureWidth;
    metrics.pictureHeight = c.pictureHeight;
    metrics.textWidth = c.textWidth;
    metrics.textHeight = c.textHeight;
    metrics.slide = c.slide;
    EXPECT_EQ(PlaceImageButton(metrics), c.expected);
  }
}

TEST(ImageButtonLayout, HostileMarginAndSpaceStayInRange) {
  ImageButtonMetrics metrics;
  metrics.width = 100;
  metrics.height = 40;
  metrics.margin = INT_MAX;
  metrics.space = INT_MAX;
  metrics.pictureWidth = 16;
  metrics.pictureHeight = 10;
  metrics.textWidth = 30;
  metrics.textHeight = 12;
  for (std::uint8_t layout = 0; layout <= kImageLayoutStretch; ++layout) {
    metrics.layout = layout;
    const ImageButtonPlacement placement = PlaceImageButton(metrics);  // no overflow under UBSan
    EXPECT_GE(placement.captionX, -(1 << 27));
    EXPECT_LE(placement.captionY, 1 << 27);
  }
  metrics.layout = kImageLayoutLeft;
  EXPECT_EQ(PlaceImageButton(metrics).captionX, -(1 << 27));
}

struct LookCase {
  const char* name;
  bool hover, pressed, checked;
  bool hasDown, hasOver;
  std::int32_t picture, font;
  int slide;
};

TEST(ImageButtonLayout, StateChoosesPictureFontAndSlide) {
  constexpr std::int32_t N = kShownLookNormal, O = kShownLookMouseOver, D = kShownLookMouseDown;
  const LookCase cases[] = {
      {"rest", false, false, false, true, true, N, N, 0},
      {"hot", true, false, false, true, true, O, O, 0},
      {"pressed under the pointer", true, true, false, true, true, D, D, 2},
      {"pressed, pointer elsewhere", false, true, false, true, true, N, N, 0},
      {"checked, pointer elsewhere", false, false, true, true, true, D, D, 2},
      {"only a normal picture, hot", true, false, false, false, false, N, O, 0},
      {"only a normal picture, pressed", true, true, false, false, false, N, D, 2},
      {"checked and hot without a pressed picture", true, false, true, false, true, O, D, 2},
  };
  for (const LookCase& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonPointerState state(c.hover, c.pressed);
    state.SetChecked(c.checked);
    EXPECT_EQ(ImageButtonPictureLook(state, c.hasDown, c.hasOver), c.picture);
    EXPECT_EQ(ImageButtonFontLook(state), c.font);
    EXPECT_EQ(SlideOffset(state, true), c.slide);
    EXPECT_EQ(SlideOffset(state, false), 0);
  }
}

TEST(ImageButtonLayout, PointerStatesChangeOnlyWhenTheyShould) {
  ButtonPointerState state;
  EXPECT_TRUE(state.Enter());
  EXPECT_FALSE(state.Enter());
  EXPECT_TRUE(state.Press());
  EXPECT_FALSE(state.Press());
  EXPECT_TRUE(state.Down());
  EXPECT_TRUE(state.Release());   // the click lets go
  EXPECT_FALSE(state.Release());  // so the release after it finds nothing to do
  EXPECT_TRUE(state.Leave());

  // A move restores the hot look over the control.
  EXPECT_FALSE(state.MoveTo(10, 25, 20, 25));  // one row below is outside
  EXPECT_FALSE(state.MoveTo(20, 5, 20, 25));
  EXPECT_TRUE(state.MoveTo(19, 24, 20, 25));
  EXPECT_FALSE(state.MoveTo(5, 5, 20, 25));  // already hot
  // A held press dragged off looks normal, and down again when it comes back.
  state.Press();
  EXPECT_TRUE(state.Down());
  EXPECT_TRUE(state.MoveTo(30, 5, 20, 25));
  EXPECT_FALSE(state.Down());
  EXPECT_FALSE(state.MoveTo(-1, 5, 20, 25));
  EXPECT_TRUE(state.MoveTo(5, 5, 20, 25));
  EXPECT_TRUE(state.Down());
  state.Release();

  EXPECT_TRUE(state.SetChecked(true));
  EXPECT_FALSE(state.SetChecked(true));
  EXPECT_TRUE(state.Down());
}

Picture Solid(std::uint8_t red) { return Picture::FromBitmap(Bitmap(2, 2, Bgra{0, 0, red, 255})); }

TEST(ImageButtonLayout, ImageChoosesItsPicture) {
  ImageRecord record;
  record.normalImage = Solid(1);
  record.mouseOverImage = Solid(2);
  record.mouseDownImage = Solid(3);
  Picture shown;

  ButtonPointerState hot(true, false);
  ButtonPointerState held(true, true);
  EXPECT_TRUE(ChooseImagePicture(record, hot, /*enabled=*/false, shown));
  EXPECT_EQ(record.shownLook, kShownLookNormal);  // disabled: never hot
  EXPECT_TRUE(ChooseImagePicture(record, held, false, shown));
  EXPECT_EQ(record.shownLook, kShownLookMouseDown);  // but still pressed
  EXPECT_EQ(shown, record.mouseDownImage);
  EXPECT_TRUE(ChooseImagePicture(record, hot, true, shown));
  EXPECT_EQ(shown, record.mouseOverImage);

  // Without a pressed picture a pressed Image stays on the hot one.
  record.mouseDownImage.Clear();
  EXPECT_FALSE(ChooseImagePicture(record, held, true, shown));

  // The same look copies nothing: what was loaded into the shown picture stays.
  const Picture loaded = Solid(9);
  shown = loaded;
  EXPECT_FALSE(ChooseImagePicture(record, hot, true, shown));
  EXPECT_EQ(shown, loaded);
  record.shownLook = kShownLookNone;  // a freshly read record always copies
  EXPECT_TRUE(ChooseImagePicture(record, hot, true, shown));
  EXPECT_EQ(shown, record.mouseOverImage);
}

}  // namespace
}  // namespace plexara
