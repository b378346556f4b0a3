// Pictures drawn by GDI into a DIB section over a page colour: alpha always blends, the
// transparent colour of an opaque bitmap and the white under a metafile stay out when asked,
// stretching, animation frames, and targets that cannot be drawn.
#include "platform/picture_draw_win32.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "support/dib_canvas_win32.h"
#include "support/picture_fixtures.h"

namespace plexara {
namespace {

using testing_support::DibCanvas;

constexpr COLORREF kPage = RGB(0, 128, 128);
constexpr Bgra kRed{0, 0, 255, 255};
constexpr Bgra kBlue{255, 0, 0, 255};
constexpr Bgra kGreen{0, 255, 0, 255};

Picture PictureOf(std::vector<std::uint8_t> file) {
  Result<Picture> picture = Picture::FromFileImage(std::move(file));
  EXPECT_TRUE(picture.ok());
  return picture.ok() ? std::move(picture).value() : Picture();
}

// Blue with a green bottom-left pixel, which makes green its transparent colour.
Bitmap BlueWithGreenCorner() {
  Bitmap bitmap(4, 4, kBlue);
  bitmap.at(0, 3) = kGreen;
  bitmap.at(3, 0) = kGreen;
  return bitmap;
}

Bitmap HalfRed() { return Bitmap(4, 4, Bgra{0, 0, 255, 128}); }

Picture TwoFrameGif() {
  Bitmap first(4, 4, kRed);
  first.at(0, 0) = Bgra{};  // the GIF's transparent index
  return PictureOf(testing_support::EncodeGifFile({first, Bitmap(4, 4, kBlue)}, {100, 100}));
}

struct Probe {
  int x, y;
  COLORREF expected;
};

struct DrawCase {
  const char* name;
  Picture picture;
  bool transparent;
  std::size_t frame;
  RECT target;  // an empty one draws at (left, top) in the natural size
  std::vector<Probe> probes;
};

TEST(PictureDraw, BlendsKeysStretchesAndPicksFrames) {
  const COLORREF blended = RGB(128, 64, 64);  // 50 % red over the page
  const COLORREF white = RGB(255, 255, 255);
  const COLORREF metafileRect = RGB(255, 0, 0);
  const DrawCase cases[] = {
      {"opaque bitmap", Picture::FromBitmap(BlueWithGreenCorner()), false, 0, {2, 2, 2, 2},
       {{2, 5, RGB(0, 255, 0)}, {5, 5, RGB(0, 0, 255)}, {1, 1, kPage}, {6, 6, kPage}}},
      {"transparent bitmap", Picture::FromBitmap(BlueWithGreenCorner()), true, 0, {2, 2, 2, 2},
       {{2, 5, kPage}, {5, 2, kPage}, {5, 5, RGB(0, 0, 255)}}},
      {"alpha blends even when not transparent", PictureOf(testing_support::EncodePngFile(HalfRed())), false, 0,
       {0, 0, 0, 0}, {{1, 1, blended}}},
      {"alpha stretched", PictureOf(testing_support::EncodePngFile(HalfRed())), true, 0, {0, 0, 16, 16},
       {{15, 15, blended}, {16, 16, kPage}}},
      {"gif frame 0 with its transparent pixel", TwoFrameGif(), false, 0, {0, 0, 0, 0},
       {{0, 0, kPage}, {1, 1, RGB(255, 0, 0)}}},
      {"gif frame 3 is frame 1", TwoFrameGif(), false, 3, {0, 0, 0, 0}, {{0, 0, RGB(0, 0, 255)}}},
      {"metafile on white", PictureOf(testing_support::MakeEmfFile()), false, 0, {0, 0, 0, 0},
       {{5, 5, white}, {60, 40, metafileRect}}},
      {"transparent metafile stretched", PictureOf(testing_support::MakeEmfFile()), true, 0, {0, 0, 240, 160},
       {{5, 5, kPage}, {120, 80, metafileRect}, {45, 45, metafileRect}, {30, 30, kPage}}},
  };
  for (const DrawCase& c : cases) {
    SCOPED_TRACE(c.name);
    DibCanvas canvas(240, 160, kPage);
    ASSERT_TRUE(canvas.ok());
    PictureDrawOptions options;
    options.transparent = c.transparent;
    options.frame = c.frame;
    const bool natural = c.target.right == c.target.left;
    EXPECT_TRUE(natural ? DrawPicture(canvas.dc(), c.picture, c.target.left, c.target.top, options)
                        : DrawPictureStretched(canvas.dc(), c.picture, c.target, options));
    for (const Probe& probe : c.probes) {
      const COLORREF got = canvas.At(probe.x, probe.y);
      const int difference = std::abs(GetRValue(got) - GetRValue(probe.expected)) +
                             std::abs(GetGValue(got) - GetGValue(probe.expected)) +
                             std::abs(GetBValue(got) - GetBValue(probe.expected));
      EXPECT_LE(difference, 6) << probe.x << "," << probe.y << " is " << std::hex << got;
    }
  }
}

TEST(PictureDraw, NothingToDrawIsRefused) {
  DibCanvas canvas(8, 8, kPage);
  const Picture picture = Picture::FromBitmap(Bitmap(2, 2, kRed));
  EXPECT_FALSE(DrawPicture(canvas.dc(), Picture(), 0, 0));
  EXPECT_FALSE(DrawPictureStretched(canvas.dc(), picture, RECT{4, 4, 4, 8}));
  EXPECT_FALSE(DrawPictureStretched(canvas.dc(), picture, RECT{INT_MIN, 0, INT_MAX, 8}));
  EXPECT_FALSE(DrawPicture(canvas.dc(), picture, INT_MAX, 0));
  EXPECT_EQ(canvas.Count(kPage), 64);
}

}  // namespace
}  // namespace plexara
