// The Launch slide show dialog: its lists and spin boxes as the author meets them, a style,
// interval and colour picked into the exact settings string, and OK without a change writing
// nothing.
#include <gtest/gtest.h>
#include <windows.h>
// The common controls need the platform types of windows.h.
#include <commctrl.h>

#include "properties/action_dialogs_win32.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;
using namespace std::string_literals;

constexpr int kFolder = 101, kStyle = 106, kImageStyle = 107, kStep = 108, kStepSpin = 109,
              kStepDelay = 110, kStepDelaySpin = 111, kInterval = 112, kIntervalSpin = 113,
              kBackground = 114;

std::string ComboText(HWND dialog, int id, int index) {
  char text[128] = {};
  SendMessageA(GetDlgItem(dialog, id), CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text));
  return text;
}

void Choose(HWND dialog, int id, int index) {
  HWND box = GetDlgItem(dialog, id);
  SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

// Range and digit limit of a spin box, as "min..max/digits".
std::string SpinShape(HWND dialog, int edit, int spin) {
  int low = 0, high = 0;
  SendMessageA(GetDlgItem(dialog, spin), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
               reinterpret_cast<LPARAM>(&high));
  const auto digits = SendMessageA(GetDlgItem(dialog, edit), EM_GETLIMITTEXT, 0, 0);
  return std::to_string(low) + ".." + std::to_string(high) + "/" + std::to_string(digits);
}

HWND FindDialog(const std::string& caption) { return FindThreadWindow(caption, false); }

TEST(SlideShowDialog, AStyleAnIntervalAndAColourPickedWriteTheExactSettings) {
  ActionDialogContext context;
  context.discFolder = "C:\\Disc";
  std::string settings;  // a new action: the dialog shows the defaults
  int styles = 0, imageStyles = 0;
  std::vector<std::string> shown;
  ModalDriver driver(
      "Launch slide show",
      {
          [&](HWND dialog) {
            styles = static_cast<int>(SendMessageA(GetDlgItem(dialog, kStyle), CB_GETCOUNT, 0, 0));
            imageStyles =
                static_cast<int>(SendMessageA(GetDlgItem(dialog, kImageStyle), CB_GETCOUNT, 0, 0));
            shown = {ComboText(dialog, kStyle, 0),
                     ComboText(dialog, kStyle, 118),
                     ComboText(dialog, kImageStyle, 3),
                     WindowText(GetDlgItem(dialog, kStepDelay)),
                     SpinShape(dialog, kStep, kStepSpin),
                     SpinShape(dialog, kStepDelay, kStepDelaySpin),
                     SpinShape(dialog, kInterval, kIntervalSpin)};
            Choose(dialog, kStyle, 118);
            Choose(dialog, kBackground, 9);  // Red
            PostKey(GetDlgItem(dialog, kInterval), VK_UP);
          },
          [&](HWND dialog) { PaintNow(dialog); },
          [&](HWND dialog) {
            SaveWindowScreenshot(dialog, "dialog-launch-slide-show");
            PostClick(GetDlgItem(dialog, IDOK));
          },
      });
  EXPECT_TRUE(EditSlideShowSettings(nullptr, context, settings));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(styles, 151);
  EXPECT_EQ(imageStyles, 5);
  EXPECT_EQ(shown, (std::vector<std::string>{"0 - Random", "118 - Fade", "ShrinkFit", "50",
                                             "1..99/2", "1..9999/4", "0..99/2"}));
  EXPECT_EQ(settings,
            "\x01Y\x01"
            "118\x01"
            "3\x01"
            "4\x01"
            "50\x01"
            "3\x01"
            "255\x01\x01"s);
}

TEST(SlideShowDialog, OkWithoutAChangeAndCancelWriteNothing) {
  ActionDialogContext context;
  context.discFolder = "C:\\Disc";
  // A custom colour and a folder, read back into the same controls.
  const std::string given =
      "\\Pictures\x01 \x01"
      "7\x01"
      "0\x01"
      "9\x01"
      "120\x01"
      "0\x01"
      "1193046\x01\\a.mid\x01"s;
  for (const std::string& stored : {given, ""s}) {
    for (const int button : {IDOK, IDCANCEL}) {
      std::string settings = stored;
      ModalDriver driver("Launch slide show", {[&](HWND dialog) {
                           if (button == IDCANCEL) SetDlgItemTextA(dialog, kFolder, "\\Other");
                           PostClick(GetDlgItem(dialog, button));
                         }});
      EXPECT_FALSE(EditSlideShowSettings(nullptr, context, settings));
      EXPECT_TRUE(driver.finished());
      EXPECT_EQ(settings, stored);
    }
  }
}

TEST(SlideShowDialog, TheCustomEntryShowsAnyOtherColourAndOpensTheColourEditor) {
  ActionDialogContext context;
  context.discFolder = "C:\\Disc";
  std::string settings =
      "\x01Y\x01"
      "0\x01"
      "3\x01"
      "4\x01"
      "50\x01"
      "2\x01"
      "1193046\x01\x01"s;
  LRESULT shownFirst = -1, shownLast = -1, count = 0;
  ModalDriver driver(
      "Launch slide show",
      {
          [&](HWND dialog) {
            HWND box = GetDlgItem(dialog, kBackground);
            count = SendMessageA(box, CB_GETCOUNT, 0, 0);
            shownFirst = SendMessageA(box, CB_GETCURSEL, 0, 0);
            Choose(dialog, kBackground, static_cast<int>(count) - 1);
          },
          [&](HWND) {
            HWND editor = FindDialog("Color Editor");
            ASSERT_NE(editor, nullptr);
            HWND list = GetDlgItem(editor, 202);
            const LRESULT red = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>("Red"));
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(red), 0);
            SendMessageA(editor, WM_COMMAND, MAKEWPARAM(202, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            PostClick(GetDlgItem(editor, IDOK));
          },
          [&](HWND dialog) {
            shownLast = SendMessageA(GetDlgItem(dialog, kBackground), CB_GETCURSEL, 0, 0);
            PostClick(GetDlgItem(dialog, IDOK));
          },
      });
  EXPECT_TRUE(EditSlideShowSettings(nullptr, context, settings));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(shownFirst, count - 1);
  EXPECT_EQ(shownLast, 9);  // the named colour the editor chose
  EXPECT_EQ(settings,
            "\x01Y\x01"
            "0\x01"
            "3\x01"
            "4\x01"
            "50\x01"
            "2\x01"
            "255\x01\x01"s);
}

}  // namespace
}  // namespace plexara
