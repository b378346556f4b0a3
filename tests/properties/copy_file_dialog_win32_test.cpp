// The Copy file or files in a folder dialog: the target list holds the folder macros that resolve
// on this machine, the reference panel and its tool tip show the chosen target's folder, the typed
// fields are written trimmed, and OK without a change writes nothing.
#include <gtest/gtest.h>
#include <windows.h>
// The common controls need the platform types of windows.h.
#include <commctrl.h>

#include "properties/action_dialogs_win32.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"
#include "support/recording_shell.h"

namespace plexara {
namespace {

using namespace testing_support;
using namespace std::string_literals;

constexpr int kSource = 101, kTarget = 104, kReference = 105, kCaption = 108, kMessage = 109,
              kRunFile = 111;
const std::string kDesktop = "C:\\Users\\Ann\\Desktop";
const std::string kProgramFiles = "C:\\Program Files";

// The shell answers for two folders only: the desktop and the program files.
void KnowTwoFolders(ScopedShellRecording& recording) {
  recording.shell.folders = {{0, kDesktop}, {38, kProgramFiles}};
}

std::vector<std::string> ListEntries(HWND box) {
  std::vector<std::string> entries;
  for (LRESULT i = 0; i < SendMessageA(box, CB_GETCOUNT, 0, 0); ++i) {
    char text[128] = {};
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    entries.emplace_back(text);
  }
  return entries;
}

struct TipSearch {
  HWND owner, tip;
};

BOOL CALLBACK MatchTip(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<TipSearch*>(param);
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != s->owner) return TRUE;
  s->tip = window;
  return FALSE;
}

// The text of the tool tip the dialog keeps for the reference panel.
std::string ReferenceTip(HWND dialog) {
  TipSearch search{dialog, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchTip, reinterpret_cast<LPARAM>(&search));
  if (search.tip == nullptr) return "(no tool tip)";
  char text[512] = {};
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, kReference));
  tool.lpszText = text;
  SendMessageA(search.tip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
  return text;
}

// The whole text of a one-line field shows without scrolling.
bool TextFits(HWND edit) {
  const std::string text = WindowText(edit);
  HDC dc = GetDC(edit);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  const LRESULT margins = SendMessageA(edit, EM_GETMARGINS, 0, 0);
  RECT client{};
  GetClientRect(edit, &client);
  return size.cx + LOWORD(margins) + HIWORD(margins) <= client.right;
}

TEST(CopyFileDialog, ChoosingATargetShowsItsFolderAndTheFieldsAreWrittenTrimmed) {
  ScopedShellRecording recording;
  KnowTwoFolders(recording);
  ActionDialogContext context;
  context.discFolder = "C:\\Disc";
  // Message type 3 is read but the list has no such entry; an edit writes the list's "1".
  std::string settings =
      "\\Setup\x01"
      "D:\\Apps\x01 \x01Y\x01"
      "Copy File\x01Go?\x01"
      "3\x01"
      "run.exe\x01\x01\\\x01"s;
  std::vector<std::string> targets, before, after, typed;
  ModalDriver driver(
      "Copy file or files in a folder",
      {
          [&](HWND dialog) {
            targets = ListEntries(GetDlgItem(dialog, kTarget));
            before = {WindowText(GetDlgItem(dialog, kReference)), ReferenceTip(dialog)};
            HWND box = GetDlgItem(dialog, kTarget);
            SendMessageA(box, CB_SETCURSEL, 0, 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kTarget, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(box));
            after = {WindowText(GetDlgItem(dialog, kReference)), ReferenceTip(dialog)};
            SetDlgItemTextA(dialog, kCaption, "  Install  ");
            SetDlgItemTextA(dialog, kSource, " \\Setup\\Files ");
            PaintNow(dialog);
          },
          [&](HWND dialog) { SaveWindowScreenshot(dialog, "dialog-copy-file"); },
          [&](HWND dialog) {
            // Typed into the box's own field, letter by letter.
            HWND field = FindWindowExA(GetDlgItem(dialog, kTarget), nullptr, "Edit", nullptr);
            SetWindowTextA(field, "");
            PostChars(field, "[ProgramFiles]");
          },
          [&](HWND dialog) {
            typed = {WindowText(GetDlgItem(dialog, kReference)), ReferenceTip(dialog)};
            SetDlgItemTextA(dialog, kRunFile, " bin\\tool.exe ");
            PostClick(GetDlgItem(dialog, IDOK));
          },
      });
  EXPECT_TRUE(EditCopyFileSettings(nullptr, context, settings));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(targets, (std::vector<std::string>{"[Desktop]", "[ProgramFiles]"}));
  EXPECT_EQ(before, (std::vector<std::string>{"D:\\Apps", "D:\\Apps"}));
  EXPECT_EQ(after, (std::vector<std::string>{kDesktop, kDesktop}));
  EXPECT_EQ(typed, (std::vector<std::string>{kProgramFiles, kProgramFiles}));
  EXPECT_EQ(settings,
            "\\Setup\\Files\x01[ProgramFiles]\x01 \x01Y\x01Install\x01Go?\x01"
            "1\x01"
            "bin\\tool.exe\x01\x01\\\x01"s);
}

TEST(CopyFileDialog, OkWithoutAChangeAndCancelWriteNothing) {
  ScopedShellRecording recording;
  KnowTwoFolders(recording);
  ActionDialogContext context;
  context.discFolder = "C:\\Disc";
  const std::string given =
      " \\Setup \x01[Desktop]\x01Y\x01 \x01 Copy \x01Go?\x01"
      "2\x01"
      "run.exe\x01-x\x01\\bin\x01"s;
  for (const std::string& stored : {given, ""s}) {
    for (const int button : {IDOK, IDCANCEL}) {
      std::string settings = stored;
      std::string reference;
      bool messageFits = false;
      ModalDriver driver("Copy file or files in a folder", {[&](HWND dialog) {
                           reference = WindowText(GetDlgItem(dialog, kReference));
                           messageFits = TextFits(GetDlgItem(dialog, kMessage));
                           if (button == IDCANCEL) SetDlgItemTextA(dialog, kSource, "\\Other");
                           PostClick(GetDlgItem(dialog, button));
                         }});
      EXPECT_FALSE(EditCopyFileSettings(nullptr, context, settings));
      EXPECT_TRUE(driver.finished());
      EXPECT_EQ(settings, stored);
      EXPECT_EQ(reference, stored.empty() ? "" : kDesktop);
      EXPECT_TRUE(messageFits);  // the default message too
    }
  }
}

}  // namespace
}  // namespace plexara
