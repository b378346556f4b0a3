// The Open/Run Files dialog and its file editor: a picked file becomes a row with its folder as
// start directory, rows are edited, deleted and cleared, the player itself is refused, and OK
// without a change leaves the stored target as it was.
#include <gtest/gtest.h>
#include <windows.h>
// The common controls need the platform types of windows.h.
#include <commctrl.h>

#include <fstream>

#include "properties/action_dialogs_win32.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"
#include "support/recording_shell.h"

namespace plexara {
namespace {

using namespace testing_support;
using namespace std::string_literals;

constexpr int kList = 101, kAdd = 102, kEdit = 103, kDelete = 104, kClear = 105;
constexpr int kFile = 201, kParameters = 203, kStartDirectory = 204, kWait = 205;
const std::string kRefusal = "inform Information: The file can not be \"autorun.exe\".";

std::vector<std::string> Rows(HWND dialog) {
  HWND list = GetDlgItem(dialog, kList);
  std::vector<std::string> rows;
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    std::string line;
    for (int column = 0; column < 4; ++column) {
      char text[260] = {};
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = text;
      item.cchTextMax = sizeof(text);
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
      line += (column == 0 ? "" : "|") + std::string(text);
    }
    rows.push_back(line);
  }
  return rows;
}

std::string Enabled(HWND dialog) {
  std::string states;
  for (const int id : {kEdit, kDelete, kClear})
    states += IsWindowEnabled(GetDlgItem(dialog, id)) ? '1' : '0';
  return states;
}

void SelectRows(HWND dialog, std::initializer_list<int> rows, int focused) {
  HWND list = GetDlgItem(dialog, kList);
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (const int row : rows) ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
  ListView_SetItemState(list, focused, LVIS_FOCUSED, LVIS_FOCUSED);
}

HWND FindDialog(const std::string& caption) { return FindThreadWindow(caption, false); }

void WriteFile(const std::string& path) { std::ofstream(path, std::ios::binary) << "x"; }

TEST(RunListDialog, AFileAddedToAnEmptyListWritesOneRecordAndThePlayerIsRefused) {
  const std::string disc = MakeTempFolder("runlist");
  CreateDirectoryA((disc + "\\Tools").c_str(), nullptr);
  WriteFile(disc + "\\Tools\\setup.exe");
  WriteFile(disc + "\\AutoRun.exe");
  ActionDialogContext context;
  context.discFolder = disc;
  ScopedShellRecording recording;
  std::string settings;
  std::vector<std::string> rows;
  std::string emptyStates, fullStates;
  ModalDriver driver("Open/Run Files",
                     {
                         [&](HWND dialog) {
                           emptyStates = Enabled(dialog);
                           PostClick(GetDlgItem(dialog, kAdd));
                         },
                         [&](HWND) { ChooseInFileDialog("Open", disc + "\\AutoRun.exe"); },
                         [&](HWND dialog) { PostClick(GetDlgItem(dialog, kAdd)); },
                         [&](HWND) { ChooseInFileDialog("Open", disc + "\\Tools\\setup.exe"); },
                         [&](HWND dialog) {
                           rows = Rows(dialog);
                           fullStates = Enabled(dialog);
                           PaintNow(dialog);
                         },
                         [&](HWND dialog) {
                           SaveWindowScreenshot(dialog, "dialog-open-run-files");
                           PostClick(GetDlgItem(dialog, IDOK));
                         },
                     });
  EXPECT_TRUE(EditRunList(nullptr, context, settings));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(settings, "\\Tools\\setup.exe\x01\x01\\Tools\x01 \x01\x02"s);
  EXPECT_EQ(rows, std::vector<std::string>{"\\Tools\\setup.exe||\\Tools| "});
  EXPECT_EQ(emptyStates, "000");
  EXPECT_EQ(fullStates, "001");  // nothing focused or selected yet
  EXPECT_EQ(recording.log, std::vector<std::string>{kRefusal});
  RemoveTree(disc);
}

TEST(RunListDialog, RowsAreEditedDeletedAndClearedAndOkWithoutAChangeKeepsTheTarget) {
  ActionDialogContext context;
  context.discFolder = "C:\\Disc";
  const std::string given =
      "\\a.exe\x01\x01\\\x01 \x01\x02\\b.exe\x01-b\x01\\B\x01Y\x01\x02"
      "\\c.exe\x01\x01\x01 \x01\x02"s;
  std::string settings = given;
  std::string focusedStates;
  ModalDriver driver("Open/Run Files",
                     {
                         [&](HWND dialog) {
                           SelectRows(dialog, {}, 1);
                           focusedStates = Enabled(dialog);
                           PostClick(GetDlgItem(dialog, kEdit));
                         },
                         [&](HWND) {
                           HWND editor = FindDialog("Open/Run File Editor");
                           ASSERT_NE(editor, nullptr);
                           SetDlgItemTextA(editor, kParameters, " -quiet ");
                           CheckDlgButton(editor, kWait, BST_UNCHECKED);
                           PostClick(GetDlgItem(editor, IDOK));
                         },
                         [&](HWND dialog) {
                           SelectRows(dialog, {0, 2}, 0);
                           PostClick(GetDlgItem(dialog, kDelete));
                         },
                         [&](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); },
                     });
  EXPECT_TRUE(EditRunList(nullptr, context, settings));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(focusedStates, "101");
  EXPECT_EQ(settings, "\\b.exe\x01-quiet\x01\\B\x01 \x01\x02"s);

  // The single form shows as one row; OK without a change, or Cancel after one, writes nothing.
  for (const std::string& stored : {given, "\\Docs\\manual.pdf"s, ""s}) {
    for (const int button : {IDOK, IDCANCEL}) {
      settings = stored;
      std::vector<std::string> rows;
      ModalDriver again("Open/Run Files", {[&](HWND dialog) {
                          rows = Rows(dialog);
                          if (button == IDCANCEL) PostClick(GetDlgItem(dialog, kClear));
                          PostClick(GetDlgItem(dialog, button));
                        }});
      EXPECT_FALSE(EditRunList(nullptr, context, settings));
      EXPECT_TRUE(again.finished());
      EXPECT_EQ(settings, stored);
      if (stored == "\\Docs\\manual.pdf") {
        EXPECT_EQ(rows, std::vector<std::string>{"\\Docs\\manual.pdf||| "});
      }
    }
  }
}

TEST(RunFileEditor, RefusesThePlayerStaysOpenAndReturnsTheFieldsTrimmed) {
  ScopedShellRecording recording;
  ActionDialogContext context;
  context.discFolder = "C:\\Disc";
  RunListEntry entry{" \\old.exe ", "-a", "\\", false};
  bool focusedOnFile = false;
  std::string shownFile;
  ModalDriver driver("Open/Run File Editor",
                     {
                         [&](HWND dialog) {
                           shownFile = WindowText(GetDlgItem(dialog, kFile));
                           SetDlgItemTextA(dialog, kFile, "  \\AUTORUN.exe ");
                           PostClick(GetDlgItem(dialog, IDOK));
                         },
                         [&](HWND dialog) {
                           focusedOnFile = GetFocus() == GetDlgItem(dialog, kFile);
                           SetDlgItemTextA(dialog, kFile, " \\Tools\\run.exe ");
                           SetDlgItemTextA(dialog, kStartDirectory, " \\Tools ");
                           PostClick(GetDlgItem(dialog, kWait));
                           PaintNow(dialog);
                         },
                         [&](HWND dialog) {
                           SaveWindowScreenshot(dialog, "dialog-open-run-file-editor");
                           PostClick(GetDlgItem(dialog, IDOK));
                         },
                     });
  EXPECT_TRUE(EditRunFile(nullptr, context, entry));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(shownFile, "\\old.exe");
  EXPECT_TRUE(focusedOnFile);
  EXPECT_EQ(entry, (RunListEntry{"\\Tools\\run.exe", "-a", "\\Tools", true}));
  EXPECT_EQ(recording.log, std::vector<std::string>{kRefusal});

  // Blanks the editor trims away are no change.
  RunListEntry padded{" \\a.exe ", "", "", true};
  ModalDriver again("Open/Run File Editor",
                    {[&](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); }});
  EXPECT_FALSE(EditRunFile(nullptr, context, padded));
  EXPECT_EQ(padded, (RunListEntry{" \\a.exe ", "", "", true}));
}

}  // namespace
}  // namespace plexara
