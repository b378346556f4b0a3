// The font rows: the platform font dialog started on the object's font (Cancel and an unchanged OK
// leave it alone, OK after a change copies the new font in) and the value cell drawn in that font.
#include "properties/font_editor_win32.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gdi_objects_win32.h"
#include "properties/property_cell_draw_win32.h"
#include "support/automation_win32.h"
#include "support/dib_canvas_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

// A face every test machine has.
FontData StartFont() {
  FontData font;
  font.name = "Liberation Sans";
  font.size = 12;
  font.style = kFontBold;
  font.color = RgbColor(0, 0, 128);
  return font;
}

// Picks an entry of one of the dialog's lists as a click in its drop-down would.
void Pick(HWND dialog, int combo, const char* text) {
  HWND list = GetDlgItem(dialog, combo);
  SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

std::string Selected(HWND dialog, int combo) {
  HWND list = GetDlgItem(dialog, combo);
  const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (index < 0) return "(none)";
  char text[128] = {};
  SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

TEST(FontEditor, StartsOnTheFontAndOnlyAnOkWithAnotherFontChangesIt) {
  // Cancel after changing the size, and OK without a change: nothing happens.
  std::string face, style, size;
  for (const int button : {IDCANCEL, IDOK}) {
    FontData font = StartFont();
    ModalDriver driver("Font", {
                                   [&](HWND dialog) {
                                     face = WindowText(GetDlgItem(dialog, cmb1));
                                     style = Selected(dialog, cmb2);
                                     size = WindowText(GetDlgItem(dialog, cmb3));
                                     if (button == IDCANCEL) Pick(dialog, cmb3, "20");
                                     PostClick(GetDlgItem(dialog, button));
                                   },
                               });
    EXPECT_FALSE(EditFont(nullptr, font)) << button;
    EXPECT_TRUE(driver.finished()) << button;
    EXPECT_EQ(font, StartFont()) << button;
    EXPECT_EQ(face, "Liberation Sans");
    EXPECT_EQ(style, "Bold");
    EXPECT_EQ(size, "12");
  }

  // OK after choosing a size, underline and a colour: the font becomes the chosen one.
  FontData font = StartFont();
  ModalDriver driver("Font", {
                                 [&](HWND dialog) {
                                   Pick(dialog, cmb3, "20");
                                   Pick(dialog, cmb4, "Red");
                                   PostClick(GetDlgItem(dialog, chx2));
                                 },
                                 [&](HWND dialog) {
                                   PaintNow(dialog);
                                   SaveWindowScreenshot(dialog, "dialog-font");
                                   PostClick(GetDlgItem(dialog, IDOK));
                                 },
                             });
  EXPECT_TRUE(EditFont(nullptr, font));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(font.name, "Liberation Sans");
  EXPECT_EQ(font.size, 20);
  EXPECT_EQ(font.style, kFontBold | kFontUnderline);
  EXPECT_EQ(font.color, RgbColor(255, 0, 0));
}

TEST(FontEditor, ASystemColourSurvivesAnotherChoice) {
  FontData font = StartFont();
  font.color = static_cast<ColorRef>(0x80000008U);  // the window text colour
  ModalDriver driver("Font", {
                                 [&](HWND dialog) {
                                   Pick(dialog, cmb2, "Italic");
                                   PostClick(GetDlgItem(dialog, IDOK));
                                 },
                             });
  EXPECT_TRUE(EditFont(nullptr, font));
  EXPECT_EQ(font.style, kFontItalic);
  EXPECT_EQ(font.color, static_cast<ColorRef>(0x80000008U));
}

// The value cell of a font row, 160 x 18, drawn on white with an 8-point grid font.
struct DrawnCell {
  DrawnCell(CellLook look, const FontData& font) : canvas(160, 18, RGB(255, 255, 255)) {
    FontData gridFace;
    gridFace.name = "Liberation Sans";
    gridFace.size = 8;
    gridFont.Reset(CreateFontOf(gridFace));
    row.def.look = look;
    row.value = "Liberation Serif";
    row.font = font;
    CellPaint paint;
    paint.column = 1;
    paint.row = 3;
    paint.cell = RECT{0, 0, canvas.width(), canvas.height()};
    paint.shown = &row;
    paint.font = gridFont.get();
    PaintPropertyCell(canvas.dc(), paint);
  }
  DibCanvas canvas;
  GdiObject<HFONT> gridFont;
  SheetRow row;
};

TEST(FontCell, TheFaceIsDrawnInItselfAtTheGridsSizeAndWhiteStandsOnSilver) {
  FontData mono;
  mono.name = "Liberation Mono";
  mono.size = 40;  // the cell keeps the grid's size
  const DrawnCell plain(CellLook::Plain, mono), face(CellLook::Font, mono);
  const RECT plainText = plain.canvas.BoundsOf(RGB(0, 0, 0)),
             faceText = face.canvas.BoundsOf(RGB(0, 0, 0));
  ASSERT_GT(faceText.right, 0);
  // The monospaced face sets the same name wider than the grid's proportional one.
  EXPECT_GT(faceText.right - faceText.left, plainText.right - plainText.left + 10);
  EXPECT_LE(std::abs((faceText.bottom - faceText.top) - (plainText.bottom - plainText.top)), 3);
  EXPECT_EQ(face.canvas.Count(RGB(192, 192, 192)), 0);

  FontData white = mono;
  white.color = RgbColor(255, 255, 255);
  const DrawnCell boxed(CellLook::Font, white);
  EXPECT_EQ(boxed.canvas.At(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(boxed.canvas.At(2, 2), RGB(192, 192, 192));
  EXPECT_EQ(boxed.canvas.At(157, 15), RGB(192, 192, 192));
  EXPECT_EQ(boxed.canvas.At(158, 16), RGB(255, 255, 255));
  // The white letters show inside the box.
  int whiteInside = 0;
  for (int y = 3; y < 15; ++y)
    for (int x = 3; x < 157; ++x) whiteInside += boxed.canvas.At(x, y) == RGB(255, 255, 255);
  EXPECT_GT(whiteInside, 20);
}

}  // namespace
}  // namespace plexara
