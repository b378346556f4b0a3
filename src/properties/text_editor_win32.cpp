#include "properties/text_editor_win32.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "platform/file_system_win32.h"
#include "platform/modal_dialog_win32.h"
#include "platform/shell_seam.h"
#include "properties/file_dialog_win32.h"
#include "properties/file_filters.h"
#include "properties/text_lines.h"
#include "storage/error_report.h"
#include "storage/file_io.h"

namespace plexara {
namespace {

enum : int { kText = 401, kLoad, kSaveAs, kClear };

class TextEditor final : public win32::ModalDialog {
 public:
  explicit TextEditor(const std::string& given) : shown_(WithCrlfBreaks(given)) {}
  const std::string& result() const { return result_; }
  bool touched() const { return touched_; }

 private:
  bool OnInit() override {
    HWND edit = Item(kText);
    // Lift the edit's typing limit first: a long text given or loaded must arrive whole.
    SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
    SetItemText(kText, shown_);
    SendMessageA(edit, EM_SETMODIFY, FALSE, 0);
    // The caret at the start rather than the whole text selected, so the first key typed does not
    // replace everything.
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    return false;
  }

  bool OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return false;
    switch (id) {
      case kLoad:
        Load();
        return true;
      case kSaveAs:
        SaveAs();
        return true;
      case kClear:
        SetItemText(kText, "");
        touched_ = true;
        return true;
      case IDOK:
        touched_ = touched_ || SendMessageA(Item(kText), EM_GETMODIFY, 0, 0) != 0;
        result_ = LinesWithCrlf(ItemText(kText));
        End(IDOK);
        return true;
      default:
        return false;
    }
  }

  void Load() {
    const std::string path =
        AskOpenFileName(hwnd(), {.filter = kTextFilter, .defaultExtension = "txt"});
    if (path.empty()) return;
    Result<std::string> text = LoadTextFile(path);
    if (!text) {
      ShowInformationBox(CurrentMessageBoxes(), text.error().message, kCaptionInformation, hwnd());
      return;
    }
    SetItemText(kText, text.value());
    touched_ = true;
  }

  void SaveAs() const {
    const std::string path =
        AskSaveFileName(hwnd(), {.filter = kTextFilter, .defaultExtension = "txt"});
    if (path.empty()) return;
    const std::string text = ItemText(kText);
    const Result<void> saved =
        ReplaceFileContents(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    if (!saved)
      ShowInformationBox(CurrentMessageBoxes(), saved.error().message, kCaptionInformation, hwnd());
  }

  std::string shown_;
  std::string result_;
  bool touched_ = false;
};

win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("Text Editor", 330, 220);
  layout.Add("EDIT", "", kText, 7, 7, 316, 183,
             WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                 ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL);
  layout.Add("BUTTON", "&Load...", kLoad, 7, 198, 54, 15, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("BUTTON", "&Save As...", kSaveAs, 65, 198, 54, 15, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("BUTTON", "Clear", kClear, 123, 198, 54, 15, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("BUTTON", "&OK", IDOK, 211, 198, 54, 15, WS_TABSTOP | BS_DEFPUSHBUTTON);
  layout.Add("BUTTON", "&Cancel", IDCANCEL, 269, 198, 54, 15, WS_TABSTOP | BS_PUSHBUTTON);
  return layout;
}

}  // namespace

Result<std::string> LoadTextFile(const std::string& path) {
  PLEXARA_TRY_ASSIGN(bytes, win32::ReadFileBytes(path));
  return WithCrlfBreaks(std::string(bytes.begin(), bytes.end()));
}

bool EditText(HWND owner, std::string& text) {
  TextEditor editor(text);
  if (editor.Run(owner, Layout()) != IDOK || !editor.touched() || editor.result() == text)
    return false;
  text = editor.result();
  return true;
}

}  // namespace plexara
