// The rich text editor: bold from the tool bar reaches the returned rich text only for the selected
// word and the tool bar follows the caret; OK without an edit and Cancel after one report nothing
// and keep the bytes; saving writes rich text, an unreadable file leaves the content as it was and
// a loaded file replaces it.
#include "properties/rich_text_editor_win32.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <regex>

#include "storage/error_report.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"
#include "support/recording_shell.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kEditor = 101, kFontName = 102;

HWND Button(HWND dialog, const char* name) {
  return FindWindowExA(dialog, nullptr, "Button", name);
}
bool Checked(HWND dialog, const char* name) {
  return SendMessageA(Button(dialog, name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(RichTextEditor, BoldFromTheToolBarFormatsOnlyTheSelectedWord) {
  std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 hello world}";
  std::string shown, fontAtCaret;
  bool boldOnWord = false, boldAfterWord = true;
  ModalDriver driver("Rich Editor", {
                                        [&](HWND dialog) {
                                          HWND editor = GetDlgItem(dialog, kEditor);
                                          shown = WindowText(editor);
                                          fontAtCaret = WindowText(GetDlgItem(dialog, kFontName));
                                          SendMessageA(editor, EM_SETSEL, 0, 5);
                                          PostClick(Button(dialog, "Bold"));
                                        },
                                        [&](HWND dialog) {
                                          HWND editor = GetDlgItem(dialog, kEditor);
                                          boldOnWord = Checked(dialog, "Bold");
                                          SendMessageA(editor, EM_SETSEL, 8, 8);
                                          boldAfterWord = Checked(dialog, "Bold");
                                          SendMessageA(editor, EM_SETSEL, 0, 5);
                                          PaintNow(dialog);
                                          SaveWindowScreenshot(dialog, "rich_text_editor");
                                          PostClick(Button(dialog, "&OK"));
                                        },
                                    });
  EXPECT_TRUE(EditRichText(nullptr, rtf));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(shown, "hello world");
  EXPECT_EQ(fontAtCaret, "Arial");
  EXPECT_TRUE(boldOnWord);
  EXPECT_FALSE(boldAfterWord);
  // Bold switched on before "hello" and off again before "world" (\blue of a colour table is no
  // match).
  std::smatch bold;
  ASSERT_TRUE(std::regex_search(rtf, bold, std::regex(R"(\\b[ \\{])"))) << rtf;
  const std::size_t on = static_cast<std::size_t>(bold.position(0)), hello = rtf.find("hello"),
                    off = rtf.find("\\b0"), world = rtf.find("world");
  EXPECT_TRUE(on < hello && hello < off && off < world) << rtf;
}

TEST(RichTextEditor, ReportsAChangeOnlyAfterOkWithAnEdit) {
  const std::string arial =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss "
      "Arial;}}\\f0\\fs24 Some text}";
  struct Case {
    std::string given;
    const char* typed;
    bool enter;  // a line break typed after the text stays in the text
    const char* button;
    bool changed;
    const char* shown;
    const char* written;  // what the returned rich text holds when changed
  };
  const Case cases[] = {
      {arial, "", false, "&OK", false, "Some text", ""},
      {arial, "abc", false, "&Cancel", false, "abcSome text", ""},
      {arial, "abc", true, "&OK", true, "abc\r\nSome text", "Some text"},
      {"", "abc", false, "&OK", true, "abc", "MS Sans Serif"},  // new text's font
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given + " " + c.typed + " " + c.button);
    std::string rtf = c.given, shown;
    ModalDriver driver("Rich Editor", {
                                          [&](HWND dialog) {
                                            HWND editor = GetDlgItem(dialog, kEditor);
                                            PostChars(editor, c.typed);
                                            if (c.enter) PostKey(editor, VK_RETURN);
                                          },
                                          [&](HWND dialog) {
                                            shown = WindowText(GetDlgItem(dialog, kEditor));
                                            PostClick(Button(dialog, c.button));
                                          },
                                      });
    EXPECT_EQ(EditRichText(nullptr, rtf), c.changed);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(shown, c.shown);
    if (c.changed) {
      EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u) << rtf;
      EXPECT_NE(rtf.find("abc"), std::string::npos) << rtf;
      EXPECT_NE(rtf.find(c.written), std::string::npos) << rtf;
      EXPECT_EQ(rtf.find('\0'), std::string::npos) << rtf;
    } else {
      EXPECT_EQ(rtf, c.given);
    }
  }
}

// Steps that act on a platform file dialog once it is up: the driver ticks on while the dialog runs
// inside the editor's button handler, and the dialog takes a moment to appear.
std::vector<ModalDriver::Step> OnFileDialog(const std::string& caption, const std::string& path) {
  auto done = std::make_shared<bool>(false);
  return std::vector<ModalDriver::Step>(40, [=](HWND) {
    HWND fileDialog = *done ? nullptr : FindThreadWindow(caption);
    if (fileDialog == nullptr) return;
    *done = true;
    ChooseInFileDialog(fileDialog, path);
  });
}

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(RichTextEditor, SavesAndLoadsFilesAndKeepsTheContentWhenAFileCannotBeRead) {
  ScopedShellRecording recording;
  const std::string folder = MakeTempFolder("rich_text");
  const std::string saved = folder + "\\saved.rtf", locked = folder + "\\locked.rtf";
  // Held open without sharing, so it exists but cannot be read.
  HANDLE lock = CreateFileA(locked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(lock, "{\\rtf1 locked}", 14, &written, nullptr);

  std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 saved words}", afterFailedLoad,
              afterLoad;
  std::vector<ModalDriver::Step> steps;
  const auto add = [&steps](std::vector<ModalDriver::Step> more) {
    steps.insert(steps.end(), more.begin(), more.end());
  };
  add({[](HWND dialog) { PostClick(Button(dialog, "&Save As...")); }});
  add(OnFileDialog("Save As", saved));
  add({[](HWND dialog) {
    PostChars(GetDlgItem(dialog, kEditor), "x");
    PostClick(Button(dialog, "&Load..."));
  }});
  add(OnFileDialog("Open", locked));
  add({[&](HWND dialog) {
    afterFailedLoad = WindowText(GetDlgItem(dialog, kEditor));
    PostClick(Button(dialog, "&Load..."));
  }});
  add(OnFileDialog("Open", saved));
  add({[&](HWND dialog) {
    afterLoad = WindowText(GetDlgItem(dialog, kEditor));
    PostClick(Button(dialog, "&OK"));
  }});
  {
    ModalDriver driver("Rich Editor", steps);
    EXPECT_TRUE(EditRichText(nullptr, rtf));
    EXPECT_TRUE(driver.finished());
  }
  CloseHandle(lock);

  const std::string file = FileText(saved);
  EXPECT_EQ(file.rfind("{\\rtf", 0), 0u) << file;
  EXPECT_NE(file.find("saved words"), std::string::npos) << file;
  ASSERT_EQ(recording.boxes.boxes.size(), 1u);
  EXPECT_EQ(recording.boxes.boxes[0].caption, "Information");
  EXPECT_EQ(recording.boxes.boxes[0].text, CurrentErrorReporter().SystemErrorMessage(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(afterFailedLoad, "xsaved words");
  EXPECT_EQ(afterLoad, "saved words");
  EXPECT_NE(rtf.find("saved words"), std::string::npos) << rtf;
  EXPECT_EQ(rtf.find("xsaved"), std::string::npos) << rtf;
  RemoveTree(folder);
}

}  // namespace
}  // namespace plexara
