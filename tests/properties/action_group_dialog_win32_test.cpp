#include <windows.h>
// commctrl.h needs the types of windows.h declared first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "properties/action_dialogs_win32.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kList = 101, kAdd = 102, kEdit = 103, kDelete = 104, kClear = 105;

// Kind, show command, target, parameters, folder, close flag, each ended by FS3; RS4 ends a record.
const std::string kWebsite = std::string(
    "2\x03"
    "1\x03http://example.com\x03\x03\x03 \x03\x04");
// An Open/Run File list (its own FS1 and RS2 inside the target) that closes the page afterwards.
const std::string kRunFile = std::string(
    "1\x03"
    "3\x03\\setup.exe\x01-q\x01\\\x01Y\x01\x02\x03\x03\x03Y\x03\x04");

std::vector<std::string> Rows(HWND dialog) {
  HWND list = GetDlgItem(dialog, kList);
  std::vector<std::string> rows;
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    char action[128] = {}, settings[128] = {};
    ListView_GetItemText(list, row, 0, action, sizeof(action));
    ListView_GetItemText(list, row, 1, settings, sizeof(settings));
    rows.push_back(std::string(action) + " | " + settings);
  }
  return rows;
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

TEST(ActionGroupDialog, ShowsTheRowsAndDeleteWritesTheRemainingRecordExactly) {
  ActionDialogContext context;
  std::string settings = kWebsite + kRunFile;
  std::vector<std::string> rows;
  bool editAtStart = true, deleteAtStart = true, clearAtStart = false, deleteWhenFocused = false;
  int rowsAfterDelete = -1;
  const std::vector<ModalDriver::Step> steps = {
      [&](HWND dialog) {
        rows = Rows(dialog);
        editAtStart = Enabled(dialog, kEdit);
        deleteAtStart = Enabled(dialog, kDelete);
        clearAtStart = Enabled(dialog, kClear);
        PaintNow(dialog);
      },
      [&](HWND dialog) {
        SaveWindowScreenshot(dialog, "dialog-action-group");
        const UINT mark = LVIS_FOCUSED | LVIS_SELECTED;
        ListView_SetItemState(GetDlgItem(dialog, kList), 0, mark, mark);
      },
      [&](HWND dialog) {
        deleteWhenFocused = Enabled(dialog, kDelete);
        PostClick(GetDlgItem(dialog, kDelete));
      },
      [&](HWND dialog) {
        rowsAfterDelete = ListView_GetItemCount(GetDlgItem(dialog, kList));
        PostClick(GetDlgItem(dialog, IDOK));
      },
  };
  ModalDriver driver("Action Group", steps);
  ASSERT_TRUE(EditActionGroup(nullptr, context, settings));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(rows, (std::vector<std::string>{"Visit Website | http://example.com",
                                            "Open/Run File | [Settings]"}));
  EXPECT_FALSE(editAtStart);
  EXPECT_FALSE(deleteAtStart);
  EXPECT_TRUE(clearAtStart);
  EXPECT_TRUE(deleteWhenFocused);
  EXPECT_EQ(rowsAfterDelete, 1);
  EXPECT_EQ(settings, kRunFile);  // close flag "Y" and the nested separators kept
}

TEST(ActionGroupDialog, CancelledAddKeepsTheListAndCancelKeepsTheString) {
  ActionDialogContext context;
  std::string settings = kWebsite;
  int rowsAfterAdd = -1, rowsAfterClear = -1;
  bool clearWhenEmpty = true;
  const std::vector<ModalDriver::Step> steps = {
      [&](HWND dialog) { PostClick(GetDlgItem(dialog, kAdd)); },
      [&](HWND) {
        // The action editor, where it opens a window, is cancelled.
        if (HWND editor = FindThreadWindow("Action Editor"))
          PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
      },
      [&](HWND dialog) {
        rowsAfterAdd = ListView_GetItemCount(GetDlgItem(dialog, kList));
        PostClick(GetDlgItem(dialog, kClear));
      },
      [&](HWND dialog) {
        rowsAfterClear = ListView_GetItemCount(GetDlgItem(dialog, kList));
        clearWhenEmpty = Enabled(dialog, kClear);
        PostKey(GetDlgItem(dialog, kList), VK_ESCAPE);
      },
  };
  ModalDriver driver("Action Group", steps);
  EXPECT_FALSE(EditActionGroup(nullptr, context, settings));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(rowsAfterAdd, 1);
  EXPECT_EQ(rowsAfterClear, 0);
  EXPECT_FALSE(clearWhenEmpty);
  EXPECT_EQ(settings, kWebsite);
}

}  // namespace
}  // namespace plexara
