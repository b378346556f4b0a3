#include "editor/whats_new_dialog_win32.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/modal_dialog_win32.h"
#include "storage/file_io.h"

namespace plexara {
namespace {

enum : int { kText = 101, kShowOnStartup };

// The newest rich-edit control the system has; its DLL stays loaded for the process.
const char* RichEditClass() {
  static const char* const name = [] {
    if (LoadLibraryA("Msftedit.dll") != nullptr) return "RICHEDIT50W";
    LoadLibraryA("Riched20.dll");
    return "RichEdit20A";
  }();
  return name;
}

struct StreamSource {
  const std::vector<std::uint8_t>* bytes;
  std::size_t offset;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t left = source->bytes->size() - source->offset;
  const std::size_t count = std::min(left, static_cast<std::size_t>(wanted));
  std::memcpy(buffer, source->bytes->data() + source->offset, count);
  source->offset += count;
  *given = static_cast<LONG>(count);
  return 0;
}

class WhatsNewDialog final : public win32::ModalDialog {
 public:
  WhatsNewDialog(const std::string& tipsPath, bool showCheckBox) : tipsPath_(tipsPath), showCheckBox_(showCheckBox) {}
  bool clicked() const { return clicked_; }

 protected:
  bool OnInit() override {
    CheckDlgButton(hwnd(), kShowOnStartup, BST_CHECKED);
    ShowWindow(Item(kShowOnStartup), showCheckBox_ ? SW_SHOW : SW_HIDE);
    const auto bytes = ReadWholeFile(tipsPath_);
    if (bytes.ok()) {
      StreamSource source{&bytes.value(), 0};
      EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &ReadChunk};
      SendMessageA(Item(kText), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    }
    SetFocus(Item(IDOK));
    return false;
  }

  bool OnCommand(int id, int code) override {
    if (id == kShowOnStartup && code == BN_CLICKED) clicked_ = true;
    return false;
  }

 private:
  const std::string& tipsPath_;
  bool showCheckBox_;
  bool clicked_ = false;
};

win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("What's New?", 320, 230);
  layout.Add(RichEditClass(), "", kText, 8, 8, 304, 190,
             ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP);
  layout.Add("BUTTON", "Show this on startup", kShowOnStartup, 8, 208, 150, 12, BS_AUTOCHECKBOX | WS_TABSTOP);
  layout.Add("BUTTON", "OK", IDOK, 262, 206, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
  return layout;
}

}  // namespace

bool ShowWhatsNew(HWND owner, const std::string& editorFolder, bool showCheckBox) {
  const std::string tipsPath = editorFolder + "\\Tips.rtf";
  WhatsNewDialog dialog(tipsPath, showCheckBox);
  dialog.Run(owner, Layout());
  return dialog.clicked();
}

}  // namespace plexara
