// "Load file with object": which object of the page a Load File with Object action fills, and with
// which file or folder. The texts are stored as typed: the player trims them itself.
#include <string>

#include "platform/modal_dialog_win32.h"
#include "properties/action_dialogs_win32.h"
#include "properties/file_filters.h"
#include "properties/file_picker_win32.h"
#include "properties/folder_picker_win32.h"
#include "properties/load_file_form.h"

namespace plexara {
namespace {

enum : int { kObject = 101, kFile, kSelectFile, kSelectFolder };

class LoadFileDialog final : public win32::ModalDialog {
 public:
  LoadFileDialog(const ActionDialogContext& context, const LoadFileSettings& given)
      : context_(context), given_(given) {}
  // The controls as they were filled, and as "&OK" found them.
  const LoadFileSettings& filled() const { return filled_; }
  const LoadFileSettings& accepted() const { return accepted_; }

 private:
  bool OnInit() override {
    if (context_.page != nullptr) {
      for (const std::string& name : LoadFileObjectNames(*context_.page))
        SendMessageA(Item(kObject), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SetItemText(kObject, given_.objectName);
    SetItemText(kFile, given_.file);
    filled_ = Typed();
    return true;
  }

  LoadFileSettings Typed() const { return LoadFileSettings{ItemText(kObject), ItemText(kFile)}; }

  bool OnCommand(int id, int code) override {
    switch (id) {
      case kSelectFile:
        if (code == BN_CLICKED) PickFileIntoField(hwnd(), kFile, context_.discFolder, kAllFilesFilter);
        return true;
      case kSelectFolder:
        if (code == BN_CLICKED) PickFolderIntoField(hwnd(), kFile, context_.discFolder);
        return true;
      case IDOK:
        accepted_ = Typed();
        End(IDOK);
        return true;
      default:
        return false;
    }
  }

  const ActionDialogContext& context_;
  LoadFileSettings given_;
  LoadFileSettings filled_;
  LoadFileSettings accepted_;
};

win32::DialogTemplate Layout() {
  constexpr int kMargin = 7, kLabelWidth = 48, kFieldX = kMargin + kLabelWidth + 4, kRight = 273;
  constexpr int kButtonWidth = 50, kPickWidth = 62, kButtonHeight = 14;
  win32::DialogTemplate layout(std::string(kLoadFileCaption), kRight + kMargin, 84);
  layout.Add("STATIC", "Object Name:", -1, kMargin, 9, kLabelWidth, 8, SS_LEFT);
  layout.Add("COMBOBOX", "", kObject, kFieldX, 7, kRight - kFieldX, 150,
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL);
  layout.Add("STATIC", "File Name:", -1, kMargin, 27, kLabelWidth, 8, SS_LEFT);
  layout.Add("EDIT", "", kFile, kFieldX, 25, kRight - kFieldX, 12,
             WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL);
  layout.Add("BUTTON", "&Select File...", kSelectFile, kRight - 2 * kPickWidth - 4, 41, kPickWidth,
             kButtonHeight, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("BUTTON", "Select &Folder...", kSelectFolder, kRight - kPickWidth, 41, kPickWidth,
             kButtonHeight, WS_TABSTOP | BS_PUSHBUTTON);
  layout.AddOkCancel(kRight, 63, kButtonWidth, kButtonHeight);
  return layout;
}

}  // namespace

bool EditLoadFileSettings(HWND owner, const ActionDialogContext& context, std::string& settings) {
  LoadFileDialog dialog(context, LoadFileSettings::Decode(settings));
  if (dialog.Run(owner, Layout()) != IDOK || dialog.accepted() == dialog.filled()) return false;
  return StoreChangedSettings(settings, dialog.accepted().Encode());
}

}  // namespace plexara
