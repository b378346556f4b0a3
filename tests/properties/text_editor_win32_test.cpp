// The text editor: LF lines shown as lines, a long text kept whole, typing handed back as lines
// ended by CRLF, Clear, loading through the platform's open dialog, and an unreadable file leaving
// the text as it was with the platform's reason in one box.
#include "properties/text_editor_win32.h"

#include <gtest/gtest.h>

#include "storage/error_report.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"
#include "support/recording_shell.h"
#include "support/temp_tree.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kText = 401, kLoad = 402, kClear = 404;

void CaretToEnd(HWND edit) {
  const LRESULT length = GetWindowTextLengthA(edit);
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
}

TEST(TextEditor, TypedLinesComeBackEachEndedByCrlfAndALongTextStaysWhole) {
  // Longer than an edit control takes by default.
  const std::string longLine(40000, 'x');
  std::string text = "a\n" + longLine;
  LRESULT lines = 0;
  ModalDriver driver("Text Editor", {
                                        [&](HWND dialog) {
                                          HWND edit = GetDlgItem(dialog, kText);
                                          lines = SendMessageA(edit, EM_GETLINECOUNT, 0, 0);
                                          CaretToEnd(edit);
                                          PostChars(edit, "\rc");
                                        },
                                        [&](HWND dialog) {
                                          PaintNow(dialog);
                                          SaveWindowScreenshot(dialog, "text_editor");
                                          PostClick(GetDlgItem(dialog, IDOK));
                                        },
                                    });
  EXPECT_TRUE(EditText(nullptr, text));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(lines, 2);
  // Compared without printing forty thousand characters on a failure.
  const std::string expected = "a\r\n" + longLine + "\r\nc\r\n";
  EXPECT_EQ(text.size(), expected.size());
  EXPECT_TRUE(text == expected);
}

TEST(TextEditor, OnlyAnEditOrClearThatOkConfirmsIsAChange) {
  struct Case {
    const char* name;
    bool type, clear;
    int button;
    bool changed;
    std::string result;
  };
  const Case cases[] = {
      {"unchanged OK", false, false, IDOK, false, "one\r\ntwo"},
      {"Clear then OK", false, true, IDOK, true, ""},
      {"typing then Cancel", true, false, IDCANCEL, false, "one\r\ntwo"},
      {"typing then OK", true, false, IDOK, true, "zone\r\ntwo\r\n"},
  };
  for (const Case& c : cases) {
    std::string text = "one\r\ntwo";
    ModalDriver driver("Text Editor",
                       {
                           [&](HWND dialog) {
                             if (c.type)
                               PostChars(GetDlgItem(dialog, kText),
                                         "z");  // the caret starts at the beginning
                             if (c.clear) PostClick(GetDlgItem(dialog, kClear));
                           },
                           [&](HWND dialog) { PostClick(GetDlgItem(dialog, c.button)); },
                       });
    EXPECT_EQ(EditText(nullptr, text), c.changed) << c.name;
    EXPECT_TRUE(driver.finished()) << c.name;
    EXPECT_EQ(text, c.result) << c.name;
  }
}

TEST(TextEditor, LoadingShowsTheFileOrKeepsTheTextWithThePlatformsReason) {
  TempFolder folder;
  WriteFileAt(folder.str(), {"lines.txt"}, TextBytes("first\nsecond"));
  WriteFileAt(folder.str(), {"locked.txt"}, TextBytes("never shown"));
  const std::string linesPath = folder.str() + "\\lines.txt",
                    lockedPath = folder.str() + "\\locked.txt";

  const Result<std::string> missing = LoadTextFile(folder.str() + "\\missing.txt");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().message,
            CurrentErrorReporter().SystemErrorMessage(ERROR_FILE_NOT_FOUND));

  // Held open with no sharing, the file exists but cannot be read.
  HANDLE lock =
      CreateFileA(lockedPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  ScopedShellRecording recording;
  std::string text = "kept";
  std::string afterLocked, afterLoad;
  ModalDriver driver("Text Editor", {
                                        [&](HWND dialog) { PostClick(GetDlgItem(dialog, kLoad)); },
                                        [&](HWND) { ChooseInFileDialog("Open", lockedPath); },
                                        [&](HWND dialog) {
                                          afterLocked = WindowText(GetDlgItem(dialog, kText));
                                          PostClick(GetDlgItem(dialog, kLoad));
                                        },
                                        [&](HWND) { ChooseInFileDialog("Open", linesPath); },
                                        [&](HWND dialog) {
                                          afterLoad = WindowText(GetDlgItem(dialog, kText));
                                          PostClick(GetDlgItem(dialog, IDOK));
                                        },
                                    });
  EXPECT_TRUE(EditText(nullptr, text));
  CloseHandle(lock);
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(afterLocked, "kept");
  EXPECT_EQ(recording.log, std::vector<std::string>{
                               "inform Information: " +
                               CurrentErrorReporter().SystemErrorMessage(ERROR_SHARING_VIOLATION)});
  EXPECT_EQ(afterLoad, "first\r\nsecond");
  EXPECT_EQ(text, "first\r\nsecond\r\n");
}

}  // namespace
}  // namespace plexara
