// The colour editor: a named colour from the list (a system colour stays one), a swatch from the
// palette (never its background), and OK without a change or Cancel reporting nothing.
#include "properties/color_editor_win32.h"

#include <gtest/gtest.h>

#include "properties/color_palette.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kPalette = 201, kList = 202, kHexLabel = 205;

void ChooseListEntry(HWND dialog, const char* name) {
  HWND list = GetDlgItem(dialog, kList);
  const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

TEST(ColorEditor, ListEntriesAndPaletteSwatchesBecomeTheColour) {
  ColorRef color = RgbColor(255, 255, 255);
  std::string hex, shownRows;
  ModalDriver driver("Color Editor", {
      [&](HWND dialog) { PaintNow(dialog); },
      [&](HWND dialog) {
        ChooseListEntry(dialog, "Btn Face");
        hex = WindowText(GetDlgItem(dialog, kHexLabel));
        HWND list = GetDlgItem(dialog, kList);
        RECT r{};
        GetClientRect(list, &r);
        shownRows = std::to_string(r.bottom / SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        PaintNow(dialog);
        SaveWindowScreenshot(dialog, "color_editor");
        PostClick(GetDlgItem(dialog, IDOK));
      },
  });
  EXPECT_TRUE(EditColor(nullptr, color));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(color, static_cast<ColorRef>(0x8000000FU));
  EXPECT_EQ(hex, "8000000F");
  EXPECT_EQ(shownRows, "16");

  for (const int button : {IDOK, IDCANCEL}) {
    ColorRef kept = RgbColor(0, 0, 128);
    ModalDriver again("Color Editor", {
        [&](HWND dialog) {
          if (button == IDCANCEL) ChooseListEntry(dialog, "Red");
          PostClick(GetDlgItem(dialog, button));
        },
    });
    EXPECT_FALSE(EditColor(nullptr, kept)) << button;
    EXPECT_EQ(kept, RgbColor(0, 0, 128));
  }
}

TEST(ColorPalette, PicksNeverTheBackgroundAndMarksWhatItHolds) {
  const ColorPalette palette;
  const Bitmap& picture = palette.picture();
  const ColorRef background = palette.background();
  // Every pixel picks a swatch colour or nothing; none gives the background.
  int picked = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const std::optional<ColorRef> color = palette.PickAt(x, y);
      if (!color) continue;
      ++picked;
      ASSERT_NE(*color, background) << x << "," << y;
    }
  }
  EXPECT_GT(picked, picture.width() * picture.height() / 2);
  // A gap row between two swatch rows takes the swatch below; the row above when nothing is below.
  const std::optional<PaletteMarker> red = palette.MarkerFor(RgbColor(255, 0, 0));
  ASSERT_TRUE(red);
  EXPECT_FALSE(red->fixed);
  EXPECT_EQ(palette.PickAt(red->swatch.left + 2, red->swatch.top - 1), RgbColor(255, 0, 0));
  EXPECT_EQ(palette.PickAt(-5, 3), std::nullopt);
  EXPECT_TRUE(palette.MarkerFor(RgbColor(255, 255, 255))->fixed);
  EXPECT_TRUE(palette.MarkerFor(RgbColor(0, 0, 0))->fixed);
  EXPECT_FALSE(palette.MarkerFor(RgbColor(1, 2, 3)));
}

}  // namespace
}  // namespace plexara
