#include "properties/grid_size_dialog_win32.h"

#include <gtest/gtest.h>

#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kEditX = 101, kEditY = 103;

TEST(GridSizeDialog, TypedAndSpunValuesComeBackOnEnter) {
  int x = 8, y = 8;
  std::string shownX, shownY;
  ModalDriver driver("Grid Size", {
      [&](HWND dialog) { PaintNow(dialog); },
      [&](HWND dialog) {
        shownX = WindowText(GetDlgItem(dialog, kEditX));
        shownY = WindowText(GetDlgItem(dialog, kEditY));
        SaveWindowScreenshot(dialog, "grid_size_dialog");
        HWND editX = GetDlgItem(dialog, kEditX);
        SendMessageA(editX, EM_SETSEL, 0, -1);
        PostChars(editX, "123");  // the third digit does not fit
        PostKey(GetDlgItem(dialog, kEditY), VK_UP);
      },
      [&](HWND dialog) { PostKey(GetDlgItem(dialog, kEditY), VK_RETURN); },
  });
  EXPECT_TRUE(EditGridSize(nullptr, x, y));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(shownX, "8");
  EXPECT_EQ(shownY, "8");
  EXPECT_EQ(x, 12);
  EXPECT_EQ(y, 9);
}

TEST(GridSizeDialog, EscapeAndUnchangedOkReportNoChange) {
  for (const WORD key : {WORD{VK_ESCAPE}, WORD{VK_RETURN}}) {
    int x = 16, y = 4;
    ModalDriver driver("Grid Size", {
        [&](HWND dialog) {
          HWND editX = GetDlgItem(dialog, kEditX);
          if (key == VK_ESCAPE) {
            SendMessageA(editX, EM_SETSEL, 0, -1);
            PostChars(editX, "40");
          }
          PostKey(editX, key);
        },
    });
    EXPECT_FALSE(EditGridSize(nullptr, x, y)) << key;
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(x, 16);
    EXPECT_EQ(y, 4);
  }
}

TEST(GridSizeDialog, AnEmptiedFieldKeepsItsValueAndZeroBecomesTheMinimum) {
  int x = 10, y = 10;
  ModalDriver driver("Grid Size", {
      [&](HWND dialog) {
        SetWindowTextA(GetDlgItem(dialog, kEditX), "");
        HWND editY = GetDlgItem(dialog, kEditY);
        SendMessageA(editY, EM_SETSEL, 0, -1);
        PostChars(editY, "0");
        PostKey(editY, VK_RETURN);
      },
  });
  EXPECT_TRUE(EditGridSize(nullptr, x, y));
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 2);
}

}  // namespace
}  // namespace plexara
