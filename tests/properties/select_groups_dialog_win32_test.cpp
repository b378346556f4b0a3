#include "properties/select_groups_dialog_win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kLabel = 101, kList = 102, kCheckAll = 103, kUncheckAll = 104;
const std::vector<std::string> kGroups = {"Intro", "Menu", "Sounds"};
const std::string kLabelText = "Select Group to Set Visible Properties of Objects in it True";

TEST(SelectGroupsDialog, ReturnsTheTickedNamesInListOrder) {
  std::vector<std::string> checked = {"stale"};
  std::string label, cancelText;
  int rows = 0;
  const std::vector<ModalDriver::Step> steps = {
      [&](HWND dialog) {
        label = WindowText(GetDlgItem(dialog, kLabel));
        cancelText = WindowText(GetDlgItem(dialog, IDCANCEL));
        rows = ListView_GetItemCount(GetDlgItem(dialog, kList));
        PostClick(GetDlgItem(dialog, kCheckAll));
      },
      [&](HWND dialog) {
        // Space on the focused row toggles its box: untick "Menu".
        HWND list = GetDlgItem(dialog, kList);
        SetFocus(list);
        ListView_SetItemState(list, 1, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
        PostKey(list, VK_SPACE);
      },
      [&](HWND dialog) { PaintNow(dialog); },
      [&](HWND dialog) {
        SaveWindowScreenshot(dialog, "dialog-select-groups");
        PostKey(GetDlgItem(dialog, kList), VK_RETURN);
      },
  };
  ModalDriver driver("Select Groups", steps);
  ASSERT_TRUE(SelectGroups(nullptr, kLabelText, kGroups, checked));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(label, kLabelText);
  EXPECT_EQ(cancelText, "&Cancal");
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(checked, (std::vector<std::string>{"Intro", "Sounds"}));
}

TEST(SelectGroupsDialog, UncheckAllGivesNoNamesAndCancelKeepsTheCallersList) {
  std::vector<std::string> checked = {"stale"};
  {
    const std::vector<ModalDriver::Step> steps = {
        [&](HWND dialog) { PostClick(GetDlgItem(dialog, kCheckAll)); },
        [&](HWND dialog) { PostClick(GetDlgItem(dialog, kUncheckAll)); },
        [&](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); },
    };
    ModalDriver none("Select Groups", steps);
    ASSERT_TRUE(SelectGroups(nullptr, kLabelText, kGroups, checked));
    EXPECT_TRUE(checked.empty());
  }

  checked = {"kept"};
  const std::vector<ModalDriver::Step> steps = {
      [&](HWND dialog) { PostClick(GetDlgItem(dialog, kCheckAll)); },
      [&](HWND dialog) { PostKey(GetDlgItem(dialog, kList), VK_ESCAPE); },
  };
  ModalDriver cancel("Select Groups", steps);
  EXPECT_FALSE(SelectGroups(nullptr, kLabelText, kGroups, checked));
  EXPECT_EQ(checked, (std::vector<std::string>{"kept"}));
}

}  // namespace
}  // namespace plexara
