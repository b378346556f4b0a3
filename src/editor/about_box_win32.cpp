#include "editor/about_box_win32.h"

#include <string>

#include "platform/app_resources.h"
#include "platform/file_system_win32.h"
#include "platform/modal_dialog_win32.h"
#include "platform/version_info_win32.h"
#include "storage/startup_context.h"

namespace plexara {
namespace {

enum : int { kIcon = 101, kProduct, kVersion };

class AboutBox final : public win32::ModalDialog {
 public:
  ~AboutBox() override {
    if (icon_ != nullptr) DestroyIcon(icon_);
  }

 protected:
  bool OnInit() override {
    RECT box;
    GetClientRect(Item(kIcon), &box);
    icon_ = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(PLEXARA_ICON_APPLICATION),
                                          IMAGE_ICON, box.right, box.bottom, 0));
    SendMessageA(Item(kIcon), STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    const std::string version = win32::FileVersionOf(win32::ExecutablePath());
    SetItemText(kVersion, version.empty() ? std::string() : "Version " + version);
    return true;
  }

 private:
  HICON icon_ = nullptr;
};

win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("About " + std::string(kEditorTitle), 200, 82);
  layout.Add("STATIC", "", kIcon, 12, 12, 32, 32, SS_ICON | SS_REALSIZECONTROL | SS_CENTERIMAGE);
  layout.Add("STATIC", std::string(kEditorTitle), kProduct, 56, 14, 134, 10, SS_LEFT | SS_NOPREFIX);
  layout.Add("STATIC", "", kVersion, 56, 28, 134, 10, SS_LEFT | SS_NOPREFIX);
  layout.Add("STATIC", "Autorun menu editor and player", -1, 56, 42, 134, 10, SS_LEFT | SS_NOPREFIX);
  layout.Add("BUTTON", "OK", IDOK, 140, 62, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
  return layout;
}

}  // namespace

void ShowAboutBox(HWND owner) {
  AboutBox dialog;
  dialog.Run(owner, Layout());
}

}  // namespace plexara
