// The editor's What's New dialog and about box, opened and driven as the author would.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <fstream>

#include "editor/about_box_win32.h"
#include "editor/whats_new_dialog_win32.h"
#include "plexara_version.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kText = 101, kShowOnStartup = 102, kVersion = 103;

std::string ControlText(HWND control) {
  const int length = GetWindowTextLengthA(control);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), length + 1)));
  return text;
}

class WhatsNewDialog : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = MakeTempFolder("whatsnew"); }
  void TearDown() override { RemoveTree(folder_); }
  std::string folder_;
};

TEST_F(WhatsNewDialog, ShowsTheTipsAndReportsAClickOnTheCheckBox) {
  std::ofstream(folder_ + "\\Tips.rtf") << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 {\\b Welcome} to the editor.\\par}";
  std::string shown;
  bool boxVisible = false, boxTicked = false;
  ModalDriver driver("What's New?", {
      [&](HWND dialog) {
        shown = ControlText(GetDlgItem(dialog, kText));
        boxVisible = IsWindowVisible(GetDlgItem(dialog, kShowOnStartup)) != 0;
        boxTicked = IsDlgButtonChecked(dialog, kShowOnStartup) == BST_CHECKED;
        PostClick(GetDlgItem(dialog, kShowOnStartup));
      },
      [&](HWND dialog) { PostKey(GetDlgItem(dialog, IDOK), VK_RETURN); },
  });
  EXPECT_TRUE(ShowWhatsNew(nullptr, folder_, true));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(shown.rfind("Welcome to the editor.", 0), 0u) << shown;
  EXPECT_TRUE(boxVisible);
  EXPECT_TRUE(boxTicked);
}

TEST_F(WhatsNewDialog, WithoutTipsOrAClickNothingIsShownOrReported) {
  std::string shown = "unread";
  bool boxVisible = true;
  ModalDriver driver("What's New?", {
      [&](HWND dialog) {
        shown = ControlText(GetDlgItem(dialog, kText));
        boxVisible = IsWindowVisible(GetDlgItem(dialog, kShowOnStartup)) != 0;
        PostKey(GetDlgItem(dialog, IDOK), VK_ESCAPE);
      },
  });
  EXPECT_FALSE(ShowWhatsNew(nullptr, folder_, false));
  EXPECT_EQ(shown, "");
  EXPECT_FALSE(boxVisible);
}

TEST(WhatsNewDialogScreenshot, ShowsTheShippedTips) {
  ModalDriver driver("What's New?", {
      [&](HWND dialog) { PaintNow(dialog); },
      [&](HWND dialog) {
        EXPECT_GT(GetWindowTextLengthA(GetDlgItem(dialog, kText)), 200);
        SaveWindowScreenshot(dialog, "whats_new_dialog");
        PostKey(GetDlgItem(dialog, IDOK), VK_RETURN);
      },
  });
  ShowWhatsNew(nullptr, BuildDir(), true);
  EXPECT_TRUE(driver.finished());
}

TEST(AboutBox, ShowsTheVersionOfTheResourceAndClosesOnEnter) {
  std::string version;
  ModalDriver driver("About Plexara", {
      [&](HWND dialog) { PaintNow(dialog); },
      [&](HWND dialog) {
        version = ControlText(GetDlgItem(dialog, kVersion));
        SaveWindowScreenshot(dialog, "about_box");
        PostKey(GetDlgItem(dialog, IDOK), VK_RETURN);
      },
  });
  ShowAboutBox(nullptr);
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(version, std::string("Version ") + PLEXARA_VERSION_STRING);
}

}  // namespace
}  // namespace plexara
