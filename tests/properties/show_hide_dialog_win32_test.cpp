#include <windows.h>
// commctrl.h needs the types of windows.h declared first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>

#include "properties/action_dialogs_win32.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

const char kCaption[] = "Show/Hide Enabe/Disable Objects";
// The lists as laid out: objects show, hide, enable, disable, then groups in the same order.
constexpr int kListBase = 300, kCheckAllBase = 400, kListCount = 8;
constexpr int kEnableObjectsList = 2;

PageData ThreeObjects() {
  PageData page;
  for (const auto& [name, group] :
       {std::pair{"Title", "Menu"}, {"Play", "Media"}, {"Stop", "Media"}}) {
    ObjectData object;
    object.command.name = name;
    object.command.groupName = group;
    page.objects.push_back(object);
  }
  return page;
}

// The checked entries of one list, by their text.
std::vector<std::string> Checked(HWND dialog, int list) {
  HWND view = GetDlgItem(dialog, kListBase + list);
  std::vector<std::string> names;
  for (int row = 0; row < ListView_GetItemCount(view); ++row) {
    if (!ListView_GetCheckState(view, row)) continue;
    char text[64] = {};
    ListView_GetItemText(view, row, 0, text, sizeof(text));
    names.emplace_back(text);
  }
  return names;
}

TEST(ShowHideDialog, FillsChecksFromTheStringAndCheckAllWritesItsSection) {
  const PageData page = ThreeObjects();
  ActionDialogContext context;
  context.page = &page;
  // Stored order: show, hide, enable, disable groups, then the same for objects. "Gone" is no
  // longer on the page.
  std::string settings = std::string("Media\x01\x01\x01\x01") + "Gone\x01Stop\x01\x01\x01";
  std::array<std::vector<std::string>, kListCount> shown;
  std::string cancelText;
  const std::vector<ModalDriver::Step> steps = {
      [&](HWND dialog) {
        for (int i = 0; i < kListCount; ++i)
          shown[static_cast<std::size_t>(i)] = Checked(dialog, i);
        cancelText = WindowText(GetDlgItem(dialog, IDCANCEL));
        PostClick(GetDlgItem(dialog, kCheckAllBase + kEnableObjectsList));
      },
      [&](HWND dialog) { PaintNow(dialog); },
      [&](HWND dialog) {
        SaveWindowScreenshot(dialog, "dialog-show-hide");
        PostClick(GetDlgItem(dialog, IDOK));
      },
  };
  ModalDriver driver(kCaption, steps);
  ASSERT_TRUE(EditShowHideSettings(nullptr, context, settings));
  EXPECT_TRUE(driver.finished());
  const std::vector<std::string> none;
  const std::array<std::vector<std::string>, kListCount> expectedShown = {
      none, {"Stop"}, none, none, {"Media"}, none, none, none};
  EXPECT_EQ(shown, expectedShown);
  EXPECT_EQ(cancelText, "&Cancal");
  // "Gone" is dropped; the enable list's Check All lands in its own section.
  EXPECT_EQ(settings,
            std::string("Media\x01\x01\x01\x01") + "\x01Stop\x01Title\r\nPlay\r\nStop\x01\x01");
}

TEST(ShowHideDialog, UnchangedOkAndCancelledEditsReportNoChange) {
  const PageData page = ThreeObjects();
  ActionDialogContext context;
  context.page = &page;
  const std::string given =
      std::string("\x01Menu\x01\x01\x01") + "Title\r\nStop\x01\x01\x01Play\x01";
  std::string settings = given;
  {
    const std::vector<ModalDriver::Step> steps = {
        [&](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); },
    };
    ModalDriver unchanged(kCaption, steps);
    EXPECT_FALSE(EditShowHideSettings(nullptr, context, settings));
    EXPECT_TRUE(unchanged.finished());
  }
  const std::vector<ModalDriver::Step> steps = {
      [&](HWND dialog) { PostClick(GetDlgItem(dialog, kCheckAllBase)); },
      [&](HWND dialog) { PostKey(GetDlgItem(dialog, kListBase), VK_ESCAPE); },
  };
  ModalDriver cancelled(kCaption, steps);
  EXPECT_FALSE(EditShowHideSettings(nullptr, context, settings));
  EXPECT_TRUE(cancelled.finished());
  EXPECT_EQ(settings, given);
}

}  // namespace
}  // namespace plexara
