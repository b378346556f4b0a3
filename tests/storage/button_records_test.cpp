// Button, ImageButton and Image records: their byte layouts field by field, the Image's shown look
// starting afresh on every read, and the state of new objects.
#include "storage/button_records.h"

#include <gtest/gtest.h>

#include "storage/binary_fields.h"
#include "storage/primitives.h"
#include "support/record_test_helpers.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::Cat;
using testing_support::FontBytes;
using testing_support::I32;
using testing_support::NamedFont;
using testing_support::Pic;
using testing_support::SamplePicture;
using testing_support::Str;
using testing_support::U8;
using testing_support::Written;
using Bytes = testing_support::Bytes;

TEST(ButtonRecords, ButtonLayoutByteForByte) {
  ButtonRecord r;
  r.cursor = -21;
  r.caption = "Go";
  r.hint = "";
  r.font = NamedFont("A");
  r.font.size = 9;
  r.buttonType = 2;
  r.left = 1;
  r.top = -2;
  r.width = 300;
  r.height = 0x01020304;
  EXPECT_EQ(Written(r), testing_support::BytesOf({0xEB, 0xFF,                     // cursor -21
                                                  2, 0, 0, 0, 'G', 'o',           // caption
                                                  0, 0, 0, 0,                     // hint
                                                  1, 0, 0, 0, 'A', 0, 0, 0, 0,    // font face, colour
                                                  9, 0, 0, 0, 0,                  // size, style
                                                  2,                              // ButtonType
                                                  1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0,
                                                  4, 3, 2, 1}));
}

TEST(ButtonRecords, ImageButtonAndImageLayouts) {
  const Picture down = SamplePicture(GraphicClass::Png);
  const Picture normal = SamplePicture(GraphicClass::Gif);
  const Picture over = SamplePicture(GraphicClass::Bitmap);

  ImageButtonRecord button;
  button.caption = "c";
  button.mouseDownImage = down;
  button.normalImage = normal;
  button.mouseOverImage = over;
  button.mouseDownFont = NamedFont("D");
  button.normalFont = NamedFont("N");
  button.mouseOverFont = NamedFont("O");
  button.hint = "h";
  button.buttonStyle = 1;
  button.margin = 3;
  button.imageLayout = 4;
  button.space = 5;
  button.mouseDownSlide = false;
  button.buttonType = 3;
  button.left = 6;
  button.top = 7;
  button.width = 8;
  button.height = 9;
  EXPECT_EQ(Written(button), Cat({Str("c"), Pic(down), Pic(normal), Pic(over), FontBytes(NamedFont("D")),
                                  FontBytes(NamedFont("N")), FontBytes(NamedFont("O")), Str("h"), U8(1), I32(3),
                                  U8(4), I32(5), U8(0), U8(3), I32(6), I32(7), I32(8), I32(9)}));

  ImageRecord image;
  image.autoSize = true;
  image.center = false;
  image.height = 1;
  image.hint = "h";
  image.left = 2;
  image.stretch = true;
  image.top = 3;
  image.transparent = false;
  image.width = 4;
  image.pressed = true;
  image.hover = false;
  image.shownLook = kShownLookMouseDown;
  image.mouseDownImage = down;
  image.normalImage = normal;
  image.mouseOverImage = over;
  const Bytes bytes = Written(image);
  EXPECT_EQ(bytes, Cat({U8(1), U8(0), I32(1), Str("h"), I32(2), U8(1), I32(3), U8(0), I32(4), U8(1), U8(0), I32(2),
                        Pic(down), Pic(normal), Pic(over)}));

  // The saved look is ignored: a read starts from none, so the first choice copies a picture.
  MemoryInStream in(bytes);
  ImageRecord back;
  ASSERT_TRUE(ReadRecord(in, back, ImageRecord::kReadCode));
  EXPECT_EQ(back.shownLook, kShownLookNone);
  EXPECT_TRUE(back.pressed);
  EXPECT_EQ(back.mouseOverImage, over);
}

TEST(ButtonRecords, NewObjects) {
  const ButtonRecord button;
  EXPECT_EQ(button.caption, "New Button");
  EXPECT_EQ(button.buttonType, kButtonTypeNormal);

  const ImageButtonRecord imageButton;
  EXPECT_EQ(imageButton.caption, "New ImageButton");
  EXPECT_EQ(imageButton.mouseOverFont.color, kColorWhite);
  EXPECT_EQ(imageButton.normalFont.color, kColorBlack);
  EXPECT_EQ(imageButton.mouseDownFont.color, kColorBlack);
  EXPECT_EQ(imageButton.margin, 2);
  EXPECT_EQ(imageButton.space, 2);
  EXPECT_TRUE(imageButton.mouseDownSlide);
  EXPECT_TRUE(imageButton.normalImage.empty());

  const ImageRecord image;
  EXPECT_EQ(image.shownLook, kShownLookNone);
  EXPECT_FALSE(image.autoSize || image.center || image.stretch || image.transparent);
}

}  // namespace
}  // namespace plexara
