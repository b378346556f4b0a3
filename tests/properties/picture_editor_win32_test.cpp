// The image editor: the picture shown centred on its checkerboard, loading through the platform's
// open dialog (a damaged file keeps the picture and shows the decoder's one error), saving under
// the picture's own extension, clearing, the icon-mode refusal, and changed only for a new picture.
#include "properties/picture_editor_win32.h"

#include <gtest/gtest.h>

#include "storage/error_report.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"
#include "support/picture_fixtures.h"
#include "support/recording_shell.h"
#include "support/temp_tree.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kPreview = 301, kKindLabel = 302, kLoad = 303, kSaveAs = 304, kClear = 305;

COLORREF ScreenPixel(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF color = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return color;
}

// 48 x 32 blocks with a see-through frame four pixels wide, so the board shows around it.
Bitmap FramedBitmap() {
  Bitmap bitmap = MakeTestBitmap(48, 32);
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x)
      if (x < 4 || y < 4 || x >= 44 || y >= 28) bitmap.at(x, y).a = 0;
  return bitmap;
}

Picture PictureOf(const std::vector<std::uint8_t>& bytes) {
  return Picture::FromFileImage(bytes).value();
}

TEST(PictureEditor, PreviewPlaceKeepsSmallPicturesAndScalesLargeOnesDownCentred) {
  struct Case {
    int width, height;
    RECT expected;  // in a 200 x 100 area
  };
  const Case cases[] = {
      {40, 30, {80, 35, 120, 65}},    // own size, centred
      {200, 100, {0, 0, 200, 100}},   // exactly fits
      {400, 100, {0, 25, 200, 75}},   // too wide: half size
      {100, 400, {87, 0, 112, 100}},  // too tall: quarter size
      {10000, 1, {0, 49, 200, 50}},   // never thinner than a pixel
  };
  for (const Case& c : cases) {
    const RECT r = PreviewPlace(c.width, c.height, 200, 100);
    EXPECT_EQ(
        (std::vector<LONG>{r.left, r.top, r.right, r.bottom}),
        (std::vector<LONG>{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}))
        << c.width << "x" << c.height;
  }
}

TEST(PictureEditor, ShowsThePictureCentredOnTheBoardAndUnchangedOkReportsNothing) {
  const Bitmap bitmap = FramedBitmap();
  const Picture given = PictureOf(EncodePngFile(bitmap));
  Picture picture = given;
  std::string label;
  COLORREF corner = 0, right = 0, below = 0, diagonal = 0, centre = 0, frame = 0;
  ModalDriver driver(
      "Image Editor",
      {
          [&](HWND dialog) { PaintNow(dialog); },
          [&](HWND dialog) {
            label = WindowText(GetDlgItem(dialog, kKindLabel));
            HWND preview = GetDlgItem(dialog, kPreview);
            RECT area{};
            GetClientRect(preview, &area);
            corner = ScreenPixel(preview, 0, 0);
            right = ScreenPixel(preview, 8, 0);
            below = ScreenPixel(preview, 0, 8);
            diagonal = ScreenPixel(preview, 9, 9);
            const RECT place = PreviewPlace(48, 32, area.right, area.bottom);
            ASSERT_EQ(place.right - place.left,
                      48);  // the preview is larger than the picture
            const Bgra middle = bitmap.at(24, 16);
            centre = ScreenPixel(preview, place.left + 24, place.top + 16);
            EXPECT_EQ(centre, RGB(middle.r, middle.g, middle.b));
            // A see-through frame pixel shows the board's square under it.
            const int fx = place.left + 1, fy = place.top + 1;
            frame = ScreenPixel(preview, fx, fy);
            EXPECT_EQ(frame,
                      ((fx / 8 + fy / 8) % 2 == 0) ? RGB(255, 255, 255) : RGB(192, 192, 192));
            SaveWindowScreenshot(dialog, "picture_editor");
            PostClick(GetDlgItem(dialog, IDOK));
          },
      });
  EXPECT_FALSE(EditPicture(nullptr, picture, false));
  EXPECT_TRUE(driver.finished());
  EXPECT_TRUE(picture == given);
  EXPECT_EQ(label, "PNGImage  [48 X 32]");
  EXPECT_EQ(corner, RGB(255, 255, 255));
  EXPECT_EQ(right, RGB(192, 192, 192));
  EXPECT_EQ(below, RGB(192, 192, 192));
  EXPECT_EQ(diagonal, RGB(255, 255, 255));
}

TEST(PictureEditor, ClearEmptiesAndIconModeRefusesAnythingButAnIcon) {
  struct Case {
    const char* name;
    bool iconMode;
    bool clear;
    bool changed;  // false: OK is refused with a box and the editor is cancelled
  };
  const Case cases[] = {
      {"clear", false, true, true},
      {"icon mode refuses a bitmap", true, false, false},
      {"icon mode accepts clearing", true, true, true},
  };
  const Picture bitmap = Picture::FromBitmap(MakeTestBitmap(20, 10));
  for (const Case& c : cases) {
    ScopedShellRecording recording;
    Picture picture = bitmap;
    std::string label;
    bool saveEnabled = true, clearEnabled = true, stayedOpen = false;
    std::vector<ModalDriver::Step> steps;
    if (c.clear) {
      steps.push_back([&](HWND dialog) { PostClick(GetDlgItem(dialog, kClear)); });
      steps.push_back([&](HWND dialog) {
        label = WindowText(GetDlgItem(dialog, kKindLabel));
        saveEnabled = IsWindowEnabled(GetDlgItem(dialog, kSaveAs));
        clearEnabled = IsWindowEnabled(GetDlgItem(dialog, kClear));
      });
    }
    steps.push_back([&](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); });
    if (!c.changed) {
      steps.push_back([&](HWND dialog) {
        stayedOpen = true;
        PostClick(GetDlgItem(dialog, IDCANCEL));
      });
    }
    ModalDriver driver("Image Editor", std::move(steps));
    EXPECT_EQ(EditPicture(nullptr, picture, c.iconMode), c.changed) << c.name;
    EXPECT_TRUE(driver.finished()) << c.name;
    if (c.changed) {
      EXPECT_TRUE(picture.empty()) << c.name;
      EXPECT_EQ(label, "[None]") << c.name;
      EXPECT_FALSE(saveEnabled || clearEnabled) << c.name;
      EXPECT_TRUE(recording.boxes.boxes.empty()) << c.name;
    } else {
      EXPECT_TRUE(picture == bitmap) << c.name;
      EXPECT_TRUE(stayedOpen) << c.name;
      EXPECT_EQ(recording.log,
                std::vector<std::string>{"inform Information: The image is not an icon."})
          << c.name;
    }
  }
}

TEST(PictureEditor, LoadingKeepsThePictureOnADamagedFileAndReportsOnlyANewOne) {
  TempFolder folder;
  const std::vector<std::uint8_t> icon = EncodeIcoFile(FramedBitmap());
  std::vector<std::uint8_t> damaged = EncodePngFile(MakeTestBitmap(16, 16));
  damaged.resize(damaged.size() / 2);
  WriteFileAt(folder.str(), {"sample.ico"}, icon);
  WriteFileAt(folder.str(), {"damaged.png"}, damaged);
  const std::string iconPath = folder.str() + "\\sample.ico",
                    damagedPath = folder.str() + "\\damaged.png";

  // The loading itself: the platform's reason for a missing file, the decoder's for a damaged one.
  const Result<Picture> missing = LoadPictureFile(folder.str() + "\\missing.png");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().message,
            CurrentErrorReporter().SystemErrorMessage(ERROR_FILE_NOT_FOUND));
  const Result<Picture> broken = LoadPictureFile(damagedPath);
  ASSERT_FALSE(broken.ok());
  const std::string decoderMessage = Picture::FromFileImage(damaged).error().message;
  EXPECT_EQ(broken.error().message, decoderMessage);

  // Through the editor: the damaged file leaves the bitmap, the icon replaces it.
  {
    ScopedShellRecording recording;
    const Picture given = Picture::FromBitmap(MakeTestBitmap(20, 10));
    Picture picture = given;
    std::string afterDamaged, afterIcon;
    ModalDriver driver("Image Editor",
                       {
                           [&](HWND dialog) { PostClick(GetDlgItem(dialog, kLoad)); },
                           [&](HWND) { ChooseInFileDialog("Open", damagedPath); },
                           [&](HWND dialog) {
                             afterDamaged = WindowText(GetDlgItem(dialog, kKindLabel));
                             PostClick(GetDlgItem(dialog, kLoad));
                           },
                           [&](HWND) { ChooseInFileDialog("Open", iconPath); },
                           [&](HWND dialog) {
                             afterIcon = WindowText(GetDlgItem(dialog, kKindLabel));
                             PostClick(GetDlgItem(dialog, IDOK));
                           },
                       });
    EXPECT_TRUE(EditPicture(nullptr, picture, true));
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(afterDamaged, "Bitmap  [20 X 10]");
    EXPECT_EQ(afterIcon, "Icon  [48 X 32]");
    EXPECT_EQ(recording.log, std::vector<std::string>{"inform Information: " + decoderMessage});
    EXPECT_TRUE(picture == PictureOf(icon));
  }

  // Loading the very bytes it already has is no change.
  Picture same = PictureOf(icon);
  ModalDriver again("Image Editor", {
                                        [&](HWND dialog) { PostClick(GetDlgItem(dialog, kLoad)); },
                                        [&](HWND) { ChooseInFileDialog("Open", iconPath); },
                                        [&](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); },
                                    });
  EXPECT_FALSE(EditPicture(nullptr, same, true));
  EXPECT_TRUE(again.finished());
}

TEST(PictureEditor, SaveAsWritesTheBytesUnderThePicturesOwnExtension) {
  TempFolder folder;
  const std::vector<std::uint8_t> gif = SamplePictureFile(GraphicClass::Gif);
  Picture picture = PictureOf(gif);
  ModalDriver driver("Image Editor",
                     {
                         [&](HWND dialog) { PostClick(GetDlgItem(dialog, kSaveAs)); },
                         [&](HWND) { ChooseInFileDialog("Save As", folder.str() + "\\copy"); },
                         [&](HWND dialog) { PostClick(GetDlgItem(dialog, IDCANCEL)); },
                     });
  EXPECT_FALSE(EditPicture(nullptr, picture, false));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(ReadFileAt(folder.str() + "\\copy.gif"), gif);
}

}  // namespace
}  // namespace plexara
