// ImageButton and Image controls under GDI: painted into a DIB section over a page colour, and
// driven through their pointer entry points with a page that records what it is told.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "objects/image_button_control_win32.h"
#include "objects/image_control_win32.h"
#include "storage/codecs/picture_codec.h"
#include "support/dib_canvas_win32.h"
#include "support/temp_tree.h"

namespace plexara {
namespace {

using testing_support::DibCanvas;

constexpr COLORREF kPage = RGB(0, 128, 128);
constexpr Bgra kBlue{255, 0, 0, 255};
constexpr Bgra kGreen{0, 255, 0, 255};

// The page as the controls see it: every report and repaint request, in order, with the pointer
// state of the control at that moment.
class RecordingPage final : public ObjectEvents {
 public:
  std::vector<std::string> log;
  const ButtonPointerState* state = nullptr;

  void ObjectClick(ObjectControl&) override { Log("click"); }
  void ObjectMouseDown(ObjectControl&, POINT) override { Log("down"); }
  void ObjectMouseUp(ObjectControl&, POINT) override { Log("up"); }
  void ObjectMouseMove(ObjectControl&, bool, POINT) override { Log("move"); }
  void ObjectMouseEnter(ObjectControl&) override { Log("enter"); }
  void ObjectMouseLeave(ObjectControl&) override { Log("leave"); }
  void InvalidateObject(ObjectControl&) override { log.push_back("repaint"); }

 private:
  void Log(const char* what) {
    log.push_back(std::string(what) + " hover=" + (state->hover() ? "1" : "0") +
                  " pressed=" + (state->pressed() ? "1" : "0"));
  }
};

// A 10 × 10 blue square in a one-pixel green border; the bottom-left pixel makes green the
// transparent colour.
Picture FramedSquare() {
  Bitmap bitmap(12, 12, kGreen);
  for (int y = 1; y < 11; ++y) {
    for (int x = 1; x < 11; ++x) bitmap.at(x, y) = kBlue;
  }
  return Picture::FromBitmap(bitmap);
}

ObjectData ImageButtonObject(int width, int height) {
  ObjectData object;
  ImageButtonRecord record;
  record.caption.clear();
  record.width = width;
  record.height = height;
  object.record = record;
  return object;
}

ImageButtonRecord& ButtonRecordOf(ObjectData& object) { return std::get<ImageButtonRecord>(object.record); }

void PaintInto(ObjectControl& control, DibCanvas& canvas) {
  canvas.Fill(kPage);
  control.Paint(canvas.dc(), canvas.width(), canvas.height());
}

TEST(ImageButtonPaint, CheckedLooksDownInThePressedFont) {
  ObjectData object = ImageButtonObject(80, 30);
  ImageButtonRecord& record = ButtonRecordOf(object);
  record.caption = "HH";
  for (FontData* font : {&record.normalFont, &record.mouseOverFont, &record.mouseDownFont}) {
    font->size = 14;
    font->style = kFontBold;
  }
  record.normalFont.color = RgbColor(0, 0, 255);
  record.mouseDownFont.color = RgbColor(255, 0, 0);
  TAuImageButton button(object);
  RecordingPage page;
  page.state = &button.state();
  button.SetEvents(&page);
  DibCanvas canvas(80, 30, kPage);
  ASSERT_TRUE(canvas.ok());

  PaintInto(button, canvas);
  EXPECT_GT(canvas.Count(RGB(0, 0, 255)), 20);
  EXPECT_EQ(canvas.At(10, 1), GetSysColor(COLOR_BTNHIGHLIGHT));  // raised face
  EXPECT_EQ(canvas.At(0, 0), kPage);  // outside the rounded corner the page shows

  button.SetChecked(true);
  EXPECT_EQ(page.log, std::vector<std::string>{"repaint"});
  PaintInto(button, canvas);
  EXPECT_EQ(canvas.Count(RGB(0, 0, 255)), 0);
  EXPECT_GT(canvas.Count(RGB(255, 0, 0)), 20);
  EXPECT_EQ(canvas.At(10, 1), GetSysColor(COLOR_BTNSHADOW));  // pressed in
  EXPECT_EQ(canvas.At(0, 0), kPage);
}

TEST(ImageButtonPaint, FlatFrameOnlyWhenHotOrDown) {
  ObjectData object = ImageButtonObject(40, 20);
  ButtonRecordOf(object).buttonStyle = kButtonStyleFlat;
  TAuImageButton button(object);
  DibCanvas canvas(40, 20, kPage);

  PaintInto(button, canvas);
  EXPECT_EQ(canvas.Count(kPage), 40 * 20);

  const struct {
    const char* name;
    void (TAuImageButton::*step)();
    COLORREF topLeft, bottomRight;
  } steps[] = {
      {"hot: raised", &TAuImageButton::MouseEnter, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)},
      {"held: sunken", nullptr, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.name);
    if (s.step) {
      (button.*s.step)();
    } else {
      button.MouseDown(POINT{5, 5}, POINT{5, 5});
    }
    PaintInto(button, canvas);
    EXPECT_EQ(canvas.At(0, 0), s.topLeft);
    EXPECT_EQ(canvas.At(39, 19), s.bottomRight);
    EXPECT_EQ(canvas.At(20, 10), kPage);
    EXPECT_EQ(canvas.Count(kPage), 38 * 18);  // one pixel wide
  }
}

TEST(ImageButtonPaint, PictureSlidesWhileDownWithoutItsTransparentColour) {
  for (const bool slide : {true, false}) {
    SCOPED_TRACE(slide ? "sliding" : "not sliding");
    ObjectData object = ImageButtonObject(40, 30);
    ImageButtonRecord& record = ButtonRecordOf(object);
    record.buttonStyle = kButtonStyleBorderNone;
    record.imageLayout = kImageLayoutCenter;
    record.normalImage = FramedSquare();
    record.mouseDownSlide = slide;
    TAuImageButton button(object);
    DibCanvas canvas(40, 30, kPage);

    PaintInto(button, canvas);
    const RECT up = canvas.BoundsOf(RGB(0, 0, 255));
    EXPECT_EQ(up.left, 14 + 1);  // the 12 × 12 picture centred at (14, 9)
    EXPECT_EQ(up.top, 9 + 1);
    EXPECT_EQ(up.right - up.left, 10);
    EXPECT_EQ(canvas.Count(RGB(0, 255, 0)), 0);

    button.MouseEnter();
    button.MouseDown(POINT{1, 1}, POINT{1, 1});
    PaintInto(button, canvas);  // only a normal picture: it is drawn for the pressed look too
    const RECT down = canvas.BoundsOf(RGB(0, 0, 255));
    const int offset = slide ? 2 : 0;
    EXPECT_EQ(down.left, up.left + offset);
    EXPECT_EQ(down.top, up.top + offset);
  }
}

TEST(ImageButtonPointer, ReactsFirstAndLetsGoBeforeTheClick) {
  ObjectData object = ImageButtonObject(40, 20);
  TAuImageButton button(object);
  RecordingPage page;
  page.state = &button.state();
  button.SetEvents(&page);

  button.MouseEnter();
  button.MouseMove(POINT{3, 3}, false, POINT{3, 3});  // not reported: ImageButtons report no moves
  button.MouseDown(POINT{3, 3}, POINT{3, 3});
  button.Click();
  button.MouseUp(POINT{3, 3}, POINT{3, 3});
  button.MouseLeave();
  EXPECT_EQ(page.log, (std::vector<std::string>{
                          "repaint", "enter hover=1 pressed=0",
                          "repaint", "down hover=1 pressed=1",
                          "repaint", "click hover=1 pressed=0",
                          "up hover=1 pressed=0",  // the click already let go
                          "repaint", "leave hover=0 pressed=0",
                      }));

  // Pointer back over the button without an enter notification: hot again.
  page.log.clear();
  button.MouseMove(POINT{39, 19}, false, POINT{});
  EXPECT_TRUE(button.state().hover());
  button.ClearHover();
  button.ClearHover();
  EXPECT_EQ(page.log, (std::vector<std::string>{"repaint", "repaint"}));
}

ObjectData ImageObject();

TEST(ImageButtonPointer, APressDraggedOffLooksNormalAndDownAgainWhenItComesBack) {
  ObjectData object = ImageButtonObject(40, 30);
  ImageButtonRecord& record = ButtonRecordOf(object);
  record.buttonStyle = kButtonStyleBorderNone;
  record.imageLayout = kImageLayoutCenter;
  record.normalImage = FramedSquare();
  record.mouseDownSlide = true;  // the pressed look is the picture two pixels further
  TAuImageButton button(object);
  DibCanvas canvas(40, 30, kPage);
  const auto pictureLeft = [&] {
    PaintInto(button, canvas);
    return canvas.BoundsOf(RGB(0, 0, 255)).left;
  };
  const int up = pictureLeft();

  button.MouseEnter();
  button.MouseDown(POINT{5, 5}, POINT{5, 5});
  EXPECT_EQ(pictureLeft(), up + 2);
  // The surface holds the pointer for the pressed control, so it sees moves off it.
  button.MouseMove(POINT{60, 5}, true, POINT{});
  EXPECT_EQ(pictureLeft(), up) << "dragged off: normal";
  button.MouseMove(POINT{20, 15}, true, POINT{});
  EXPECT_EQ(pictureLeft(), up + 2) << "back over it: down again";

  ObjectData imageObject = ImageObject();
  const ImageRecord& imageRecord = std::get<ImageRecord>(imageObject.record);
  TAuImage image(imageObject);
  image.MouseEnter();
  image.MouseDown(POINT{5, 5}, POINT{5, 5});
  EXPECT_EQ(imageRecord.shownLook, kShownLookMouseDown);
  image.MouseMove(POINT{5, 40}, true, POINT{});
  EXPECT_EQ(imageRecord.shownLook, kShownLookNormal);
  image.MouseMove(POINT{5, 5}, true, POINT{});
  EXPECT_EQ(imageRecord.shownLook, kShownLookMouseDown);
}

ObjectData ImageObject() {
  ObjectData object;
  ImageRecord record;
  record.width = 40;
  record.height = 30;
  record.normalImage = FramedSquare();
  record.mouseOverImage = Picture::FromBitmap(Bitmap(4, 4, kGreen));
  record.mouseDownImage = Picture::FromBitmap(Bitmap(4, 4, Bgra{0, 0, 255, 255}));
  record.shownLook = kShownLookMouseDown;  // as saved; a new control chooses afresh
  object.record = record;
  return object;
}

TEST(ImagePaint, PlacesItsPictureByStyle) {
  const struct {
    const char* name;
    bool center, stretch, transparent;
    RECT blue;
    int green;
  } cases[] = {
      {"normal", false, false, false, {1, 1, 11, 11}, 44},
      {"centred", true, false, false, {15, 10, 25, 20}, 44},
      {"stretched", false, true, false, {3, 3, 37, 28}, -1},
      {"transparent", false, false, true, {1, 1, 11, 11}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ObjectData object = ImageObject();
    ImageRecord& record = std::get<ImageRecord>(object.record);
    record.center = c.center;
    record.stretch = c.stretch;
    record.transparent = c.transparent;
    TAuImage image(object);
    EXPECT_EQ(record.shownLook, kShownLookNormal);
    DibCanvas canvas(40, 30, kPage);
    PaintInto(image, canvas);
    const RECT blue = canvas.BoundsOf(RGB(0, 0, 255));
    EXPECT_NEAR(blue.left, c.blue.left, 1);
    EXPECT_NEAR(blue.top, c.blue.top, 1);
    EXPECT_NEAR(blue.right, c.blue.right, 1);
    EXPECT_NEAR(blue.bottom, c.blue.bottom, 1);
    if (c.green >= 0) {
      EXPECT_EQ(canvas.Count(RGB(0, 255, 0)), c.green);
    }
  }
}

TEST(ImagePointer, DisabledNeverLooksHotAndLoadedPicturesReplaceTheNormalOne) {
  ObjectData object = ImageObject();
  ImageRecord& record = std::get<ImageRecord>(object.record);
  record.autoSize = true;
  object.command.enabled = false;
  TAuImage image(object);
  EXPECT_EQ(record.width, 12);  // sized to the normal picture
  RecordingPage page;
  page.state = &image.state();
  image.SetEvents(&page);

  image.MouseEnter();
  EXPECT_EQ(record.shownLook, kShownLookNormal);
  image.MouseDown(POINT{1, 1}, POINT{1, 1});
  EXPECT_EQ(record.shownLook, kShownLookMouseDown);
  EXPECT_EQ(image.shownPicture(), record.mouseDownImage);
  EXPECT_EQ(record.width, 4);
  image.MouseUp(POINT{1, 1}, POINT{1, 1});
  image.MouseMove(POINT{1, 1}, false, POINT{1, 1});  // Images report their moves
  EXPECT_EQ(page.log.back(), "move hover=1 pressed=0");

  const testing_support::TempFolder folder;
  const std::string missing = testing_support::Join(folder.str(), {"missing.bmp"});
  EXPECT_FALSE(image.LoadPictureFile(missing).ok());
  EXPECT_EQ(image.shownPicture(), record.normalImage);

  const Bitmap wide(20, 6, kBlue);
  testing_support::WriteFileAt(folder.str(), {"wide.bmp"}, EncodeBmp(wide));
  const std::string path = testing_support::Join(folder.str(), {"wide.bmp"});
  ASSERT_TRUE(image.LoadPictureFile(path).ok());
  EXPECT_EQ(record.normalImage, image.shownPicture());
  EXPECT_EQ(record.normalImage.width(), 20);
  EXPECT_EQ(record.width, 20);
  EXPECT_EQ(record.height, 6);
}

}  // namespace
}  // namespace plexara
