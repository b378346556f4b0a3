#include "properties/install_entry_dialog_win32.h"

#include <initializer_list>
#include <string>

#include "platform/modal_dialog_win32.h"
#include "platform/shell_seam.h"
#include "properties/file_filters.h"
#include "properties/file_picker_win32.h"
#include "properties/install_entry.h"

namespace plexara {
namespace {

enum : int {
  kInstaller = 101,
  kSelect,
  kParameters,
  kStartDirectory,
  kWait,
  kWhen,
  kFileType,
  kPrompt,
  kMessageCaption,
  kMessageText,
  kAllowSkip,
  kFileTypeLabel,
  kMessageCaptionLabel,
  kMessageTextLabel,
};

class InstallEntryDialog final : public win32::ModalDialog {
 public:
  InstallEntryDialog(const std::string& discFolder, const TInstallWare& given)
      : discFolder_(discFolder), entry_(given) {}
  // The entry as "&OK" accepted it.
  const TInstallWare& entry() const { return entry_; }

 private:
  bool OnInit() override {
    SetItemText(kInstaller, entry_.installer);
    SetItemText(kParameters, entry_.parameters);
    SetItemText(kStartDirectory, entry_.startDirectory);
    SetCheck(kWait, entry_.wait);
    for (const std::string_view choice : kInstallWhenChoices)
      SendMessageA(Item(kWhen), CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(std::string(choice).c_str()));
    // A stored value the list does not offer shows no choice and is kept unless one is chosen.
    const bool offered =
        entry_.when >= 0 && entry_.when < static_cast<std::int32_t>(kInstallWhenChoices.size());
    SendMessageA(Item(kWhen), CB_SETCURSEL,
                 offered ? static_cast<WPARAM>(entry_.when) : static_cast<WPARAM>(-1), 0);
    for (const std::string_view fileType : kInstallFileTypes)
      SendMessageA(Item(kFileType), CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(std::string(fileType).c_str()));
    SetItemText(kFileType, entry_.fileType);
    SetCheck(kPrompt, entry_.prompt);
    SetItemText(kMessageCaption, entry_.messageCaption);
    SetItemText(kMessageText, entry_.messageText);
    SetCheck(kAllowSkip, entry_.allowSkip);
    FollowSwitches();
    return true;
  }

  bool OnCommand(int id, int code) override {
    if ((id == kWhen && code == CBN_SELCHANGE) || (id == kPrompt && code == BN_CLICKED)) {
      FollowSwitches();
      return true;
    }
    if (id == kSelect && code == BN_CLICKED) {
      SelectInstaller();
      return true;
    }
    if (id != IDOK) return false;
    const TInstallWare typed = Typed();
    if (const std::optional<InstallEntryProblem> problem = CheckInstallEntry(typed)) {
      ShowInformationBox(CurrentMessageBoxes(), problem->message, kInstallInformationCaption,
                         hwnd());
      const int field = problem->field == InstallEntryField::Installer ? kInstaller : kFileType;
      SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(field)), TRUE);
      return true;
    }
    entry_ = NormalizedInstallEntry(typed);
    End(IDOK);
    return true;
  }

  // The fields as they stand, over the given entry so that the fields without a control are kept.
  TInstallWare Typed() const {
    TInstallWare typed = entry_;
    typed.installer = ItemText(kInstaller);
    typed.parameters = ItemText(kParameters);
    typed.startDirectory = ItemText(kStartDirectory);
    typed.wait = Checked(kWait);
    const LRESULT when = SendMessageA(Item(kWhen), CB_GETCURSEL, 0, 0);
    if (when != CB_ERR) typed.when = static_cast<std::int32_t>(when);
    typed.fileType = ItemText(kFileType);
    typed.prompt = Checked(kPrompt);
    typed.messageCaption = ItemText(kMessageCaption);
    typed.messageText = ItemText(kMessageText);
    typed.allowSkip = Checked(kAllowSkip);
    return typed;
  }

  // The file type matters only while the entry waits for a missing viewer, the message fields only
  // while there is a message.
  void FollowSwitches() const {
    const TInstallWare typed = Typed();
    for (const int id : {kFileTypeLabel, kFileType})
      EnableWindow(Item(id), typed.when == kInstallIfNoViewer);
    for (const int id :
         {kMessageCaptionLabel, kMessageCaption, kMessageTextLabel, kMessageText, kAllowSkip})
      EnableWindow(Item(id), typed.prompt);
  }

  void SelectInstaller() const {
    TInstallWare typed = Typed();
    std::string value = InstallerPickerValue(typed.installer);
    if (!PickFile(hwnd(), discFolder_, kInstallerFilter, value)) return;
    ApplyPickedInstaller(typed, value);
    SetItemText(kInstaller, typed.installer);
    SetItemText(kParameters, typed.parameters);
    SetItemText(kStartDirectory, typed.startDirectory);
  }

  bool Checked(int id) const { return IsDlgButtonChecked(hwnd(), id) == BST_CHECKED; }
  void SetCheck(int id, bool checked) const {
    CheckDlgButton(hwnd(), id, checked ? BST_CHECKED : BST_UNCHECKED);
  }

  const std::string& discFolder_;
  TInstallWare entry_;
};

// Labels on the left, fields on the right; the message text gets room for the default message
// to show whole.
win32::DialogTemplate Layout() {
  constexpr int kLabelX = 7, kLabelWidth = 82, kFieldX = 92, kFieldWidth = 191,
                kRight = kFieldX + kFieldWidth;
  constexpr int kButtonWidth = 50, kButtonHeight = 14;
  constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
  constexpr DWORD kCheck = WS_TABSTOP | BS_AUTOCHECKBOX;
  win32::DialogTemplate layout(std::string(kInstallEntryCaption), kRight + 7, 224);
  auto label = [&](const char* text, int id, int y) {
    layout.Add("STATIC", text, id, kLabelX, y + 2, kLabelWidth, 8, SS_LEFT);
  };

  label("Installation Executable:", -1, 7);
  layout.Add("EDIT", "", kInstaller, kFieldX, 7, kFieldWidth - kButtonWidth - 4, 12, kEdit);
  layout.Add("BUTTON", "&Select...", kSelect, kRight - kButtonWidth, 6, kButtonWidth, kButtonHeight,
             WS_TABSTOP | BS_PUSHBUTTON);
  label("Parameters:", -1, 24);
  layout.Add("EDIT", "", kParameters, kFieldX, 24, kFieldWidth, 12, kEdit);
  label("Start Directory:", -1, 41);
  layout.Add("EDIT", "", kStartDirectory, kFieldX, 41, kFieldWidth, 12, kEdit);
  layout.Add("BUTTON", "Wait for installation to complete before continue", kWait, kLabelX, 58,
             kRight - kLabelX, 10, kCheck);
  label("When:", -1, 74);
  layout.Add("COMBOBOX", "", kWhen, kFieldX, 74, kFieldWidth, 60,
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  label("File Type:", kFileTypeLabel, 91);
  layout.Add("COMBOBOX", "", kFileType, kFieldX, 91, kFieldWidth, 130,
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL);
  layout.Add("BUTTON", "Prompt before running install", kPrompt, kLabelX, 110, kRight - kLabelX, 10,
             kCheck);
  label("Message Caption:", kMessageCaptionLabel, 125);
  layout.Add("EDIT", "", kMessageCaption, kFieldX, 125, kFieldWidth, 12, kEdit);
  label("Message Text:", kMessageTextLabel, 142);
  layout.Add("EDIT", "", kMessageText, kFieldX, 142, kFieldWidth, 40,
             WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL);
  layout.Add("BUTTON", "Allow user to skip the installation", kAllowSkip, kLabelX, 187,
             kRight - kLabelX, 10, kCheck);
  layout.Add("BUTTON", "&OK", IDOK, kRight - 2 * kButtonWidth - 6, 203, kButtonWidth, kButtonHeight,
             WS_TABSTOP | BS_DEFPUSHBUTTON);
  layout.Add("BUTTON", "Cancel", IDCANCEL, kRight - kButtonWidth, 203, kButtonWidth, kButtonHeight,
             WS_TABSTOP | BS_PUSHBUTTON);
  return layout;
}

}  // namespace

std::optional<TInstallWare> NewInstallEntry(HWND owner, const std::string& discFolder) {
  InstallEntryDialog dialog(discFolder, TInstallWare{});
  if (dialog.Run(owner, Layout()) != IDOK) return std::nullopt;
  return dialog.entry();
}

bool EditInstallEntry(HWND owner, const std::string& discFolder, TInstallWare& entry) {
  InstallEntryDialog dialog(discFolder, entry);
  if (dialog.Run(owner, Layout()) != IDOK || dialog.entry() == entry) return false;
  entry = dialog.entry();
  return true;
}

}  // namespace plexara
