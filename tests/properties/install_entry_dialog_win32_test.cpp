// The Install Software dialog: typed fields become a normalised entry, the switches enable their
// fields, refused entries keep the dialog open on the offending field, and an edit reports a
// change only when there is one.
#include "properties/install_entry_dialog_win32.h"

#include <gtest/gtest.h>

#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"
#include "support/recording_shell.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kInstaller = 101, kWhen = 106, kFileType = 107, kPrompt = 108, kMessageCaption = 109,
              kMessageText = 110, kAllowSkip = 111, kWait = 105;
const std::string kDisc = "C:\\Disc";

HWND ComboEdit(HWND dialog) {
  return FindWindowExA(GetDlgItem(dialog, kFileType), nullptr, "Edit", nullptr);
}

void ChooseWhen(HWND dialog, int index) {
  HWND list = GetDlgItem(dialog, kWhen);
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kWhen, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

// The whole of a check box's label fits beside its box.
bool LabelFits(HWND button) {
  char text[128] = {};
  GetWindowTextA(button, text, sizeof(text));
  HDC dc = GetDC(button);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  SelectObject(dc, old);
  ReleaseDC(button, dc);
  RECT client{};
  GetClientRect(button, &client);
  return size.cx + GetSystemMetrics(SM_CXMENUCHECK) + 4 <= client.right;
}

// The last character of a multi-line field lies inside it without scrolling.
bool TextFits(HWND edit) {
  const LRESULT last = GetWindowTextLengthA(edit) - 1;
  const LRESULT at = SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(last), 0);
  RECT client{};
  GetClientRect(edit, &client);
  TEXTMETRICA metrics{};
  HDC dc = GetDC(edit);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  return SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0) == 0 && at != -1 &&
         static_cast<short>(HIWORD(at)) + metrics.tmHeight <= client.bottom;
}

TEST(InstallEntryDialog, ANewEntryTakesTheDefaultsAndTheTypedFieldsNormalised) {
  int fileTypes = 0;
  bool enabled = false, fits = false;
  ModalDriver driver(
      "Install Software",
      {
          [&](HWND dialog) { PaintNow(dialog); },
          [&](HWND dialog) {
            fileTypes =
                static_cast<int>(SendMessageA(GetDlgItem(dialog, kFileType), CB_GETCOUNT, 0, 0));
            enabled = Enabled(dialog, kFileType) && Enabled(dialog, kMessageCaption) &&
                      Enabled(dialog, kMessageText) && Enabled(dialog, kAllowSkip);
            fits = LabelFits(GetDlgItem(dialog, kWait)) &&
                   LabelFits(GetDlgItem(dialog, kAllowSkip)) &&
                   TextFits(GetDlgItem(dialog, kMessageText));
            SaveWindowScreenshot(dialog, "install_entry_dialog");
            PostChars(GetDlgItem(dialog, kInstaller), "setup.exe");
            PostChars(ComboEdit(dialog), " pdf");
          },
          [&](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); },
      });
  const std::optional<TInstallWare> entry = NewInstallEntry(nullptr, kDisc);
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(fileTypes, 10);
  EXPECT_TRUE(enabled);
  EXPECT_TRUE(fits);
  TInstallWare expected;
  expected.installer = "\\setup.exe";
  expected.fileType = ".pdf";
  ASSERT_TRUE(entry);
  EXPECT_EQ(*entry, expected);
}

TEST(InstallEntryDialog, TheSwitchesEnableTheirFieldsAndAnEditKeepsWhatHasNoField) {
  TInstallWare entry;
  entry.installer = "\\Reader\\setup.exe";
  entry.fileType = ".pdf (Adobe Acrobat Document)";
  entry.reservedText = "kept";
  entry.reservedInteger = 12;
  std::vector<bool> fileType, message;
  ModalDriver driver("Install Software", {
                                             [&](HWND dialog) {
                                               ChooseWhen(dialog, 1);
                                               PostClick(GetDlgItem(dialog, kPrompt));
                                             },
                                             [&](HWND dialog) {
                                               fileType.push_back(Enabled(dialog, kFileType));
                                               message.push_back(Enabled(dialog, kMessageCaption) ||
                                                                 Enabled(dialog, kMessageText) ||
                                                                 Enabled(dialog, kAllowSkip));
                                               ChooseWhen(dialog, 0);
                                               fileType.push_back(Enabled(dialog, kFileType));
                                               ChooseWhen(dialog, 1);
                                               PostClick(GetDlgItem(dialog, IDOK));
                                             },
                                         });
  TInstallWare expected = entry;
  expected.when = kInstallAlways;
  expected.prompt = false;
  EXPECT_TRUE(EditInstallEntry(nullptr, kDisc, entry));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(fileType, (std::vector<bool>{false, true}));
  EXPECT_EQ(message, std::vector<bool>{false});
  EXPECT_EQ(entry, expected);
}

TEST(InstallEntryDialog, ARefusedEntryKeepsTheDialogOpenWithTheFocusOnTheField) {
  ScopedShellRecording recording;
  std::vector<bool> focused;
  ModalDriver driver("Install Software",
                     {
                         [&](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); },
                         [&](HWND dialog) {
                           focused.push_back(GetFocus() == GetDlgItem(dialog, kInstaller));
                           SetDlgItemTextA(dialog, kInstaller, " AutoRun.EXE ");
                           PostClick(GetDlgItem(dialog, IDOK));
                         },
                         [&](HWND dialog) {
                           focused.push_back(GetFocus() == GetDlgItem(dialog, kInstaller));
                           SetDlgItemTextA(dialog, kInstaller, "\\");
                           PostClick(GetDlgItem(dialog, IDOK));
                         },
                         [&](HWND dialog) {
                           focused.push_back(GetFocus() == GetDlgItem(dialog, kInstaller));
                           SetDlgItemTextA(dialog, kInstaller, "setup.exe");
                           PostClick(GetDlgItem(dialog, IDOK));
                         },
                         [&](HWND dialog) {
                           focused.push_back(GetFocus() == ComboEdit(dialog));
                           PostClick(GetDlgItem(dialog, IDCANCEL));
                         },
                     });
  EXPECT_EQ(NewInstallEntry(nullptr, kDisc), std::nullopt);
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(focused, (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(
      recording.log,
      (std::vector<std::string>{
          "inform Information: Please input or select the installation executable file.",
          "inform Information: The installation executable file can not be the \"AutoRun.EXE\"",
          "inform Information: Please input or select the installation executable file.",
          "inform Information: Please input or select the file extension for the file type.",
      }));
}

TEST(InstallEntryDialog, AnUnchangedOkAndACancelReportNoChange) {
  for (const int button : {IDOK, IDCANCEL}) {
    TInstallWare entry;
    entry.installer = "\\setup.exe";
    entry.startDirectory = "\\";
    entry.when = kInstallAlways;
    const TInstallWare given = entry;
    ModalDriver driver("Install Software", {
                                               [&](HWND dialog) {
                                                 if (button == IDCANCEL)
                                                   PostChars(GetDlgItem(dialog, kInstaller), "x");
                                                 PostClick(GetDlgItem(dialog, button));
                                               },
                                           });
    EXPECT_FALSE(EditInstallEntry(nullptr, kDisc, entry)) << button;
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(entry, given);
  }
}

}  // namespace
}  // namespace plexara
