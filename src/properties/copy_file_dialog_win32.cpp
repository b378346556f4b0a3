// "Copy file or files in a folder": what the Copy File(s) then Open/Run action copies, where to,
// the question it asks first and the file it opens afterwards. Beside the target, "Reference on
// Yours:" shows the folder the target means on this machine; its tool tip holds the same text for
// paths too long for the panel.
#include "properties/action_dialogs_win32.h"
// The common controls need the platform types that header brings.
#include <commctrl.h>

#include <string>

#include "platform/modal_dialog_win32.h"
#include "properties/copy_file_form.h"
#include "properties/file_filters.h"
#include "properties/file_picker_win32.h"
#include "properties/folder_picker_win32.h"

namespace plexara {
namespace {

enum : int {
  kSource = 101,
  kSelectFile,
  kSelectFolder,
  kTarget,
  kReference,
  kOverwrite,
  kShowMessage,
  kCaption,
  kMessage,
  kMessageType,
  kRunFile,
  kRunParameters,
  kRunFolder,
  kCaptionLabel,
  kMessageLabel,
  kMessageTypeLabel,
};

// The special folders of the running machine, as the player will find them.
std::string LookUpFolder(std::uint8_t entry) { return SpecialFolderPath(entry); }

class CopyFileDialog final : public win32::ModalDialog {
 public:
  CopyFileDialog(const std::string& discFolder, const CopyFileSettings& given)
      : discFolder_(discFolder), given_(given) {}
  // The controls as they were filled, and as "&OK" found them (untrimmed).
  const CopyFileSettings& filled() const { return filled_; }
  const CopyFileSettings& accepted() const { return accepted_; }

 private:
  bool OnInit() override {
    SetItemText(kSource, given_.source);
    for (const std::string& choice : CopyTargetChoices(&LookUpFolder))
      SendMessageA(Item(kTarget), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    SetItemText(kTarget, given_.targetFolder);
    SetCheck(kOverwrite, given_.overwrite);
    SetCheck(kShowMessage, given_.showMessage);
    SetItemText(kCaption, given_.caption);
    SetItemText(kMessage, given_.message);
    for (const std::string_view type : kCopyMessageTypes)
      SendMessageA(Item(kMessageType), CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(std::string(type).c_str()));
    SendMessageA(Item(kMessageType), CB_SETCURSEL,
                 static_cast<WPARAM>(CopyMessageTypeIndex(given_.messageType)), 0);
    SetItemText(kRunFile, given_.runFile);
    SetItemText(kRunParameters, given_.runParameters);
    SetItemText(kRunFolder, given_.runFolder);
    CreateReferenceTip();
    ShowReference(given_.targetFolder);
    FollowShowMessage();
    filled_ = Typed();
    return true;
  }

  void CreateReferenceTip() {
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, GetModuleHandleA(nullptr),
                           nullptr);
    if (tip_ == nullptr) return;
    TOOLINFOA tool = ReferenceTool(const_cast<char*>(""));
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    // Long paths wrap in the tip instead of running off the screen.
    SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, 600);
  }

  TOOLINFOA ReferenceTool(char* text) const {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(Item(kReference));
    tool.lpszText = text;
    return tool;
  }

  void ShowReference(std::string_view target) const {
    std::string text = CopyTargetReference(target, &LookUpFolder);
    SetItemText(kReference, text);
    if (tip_ == nullptr) return;
    TOOLINFOA tool = ReferenceTool(text.data());
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  }

  // The question's fields mean something only while there is a question.
  void FollowShowMessage() const {
    const bool on = IsDlgButtonChecked(hwnd(), kShowMessage) == BST_CHECKED;
    for (const int id :
         {kCaptionLabel, kCaption, kMessageLabel, kMessage, kMessageTypeLabel, kMessageType})
      EnableWindow(Item(id), on);
  }

  CopyFileSettings Typed() const {
    CopyFileSettings typed;
    typed.source = ItemText(kSource);
    typed.targetFolder = ItemText(kTarget);
    typed.overwrite = IsDlgButtonChecked(hwnd(), kOverwrite) == BST_CHECKED;
    typed.showMessage = IsDlgButtonChecked(hwnd(), kShowMessage) == BST_CHECKED;
    typed.caption = ItemText(kCaption);
    typed.message = ItemText(kMessage);
    typed.messageType =
        static_cast<std::int32_t>(SendMessageA(Item(kMessageType), CB_GETCURSEL, 0, 0));
    typed.runFile = ItemText(kRunFile);
    typed.runParameters = ItemText(kRunParameters);
    typed.runFolder = ItemText(kRunFolder);
    return typed;
  }

  bool OnCommand(int id, int code) override {
    switch (id) {
      case kSelectFile:
        if (code == BN_CLICKED) PickFileIntoField(hwnd(), kSource, discFolder_, kAllFilesFilter);
        return true;
      case kSelectFolder:
        if (code == BN_CLICKED) PickFolderIntoField(hwnd(), kSource, discFolder_);
        return true;
      case kTarget:
        if (code == CBN_EDITCHANGE) ShowReference(ItemText(kTarget));
        if (code == CBN_SELCHANGE) ShowReference(ChosenTarget());
        return true;
      case kShowMessage:
        if (code == BN_CLICKED) FollowShowMessage();
        return true;
      case IDOK:
        accepted_ = Typed();
        End(IDOK);
        return true;
      default:
        return false;
    }
  }

  // The entry just chosen in the list; the box's text follows only after this notification.
  std::string ChosenTarget() const {
    HWND box = Item(kTarget);
    const LRESULT index = SendMessageA(box, CB_GETCURSEL, 0, 0);
    const LRESULT length = index == CB_ERR ? CB_ERR : SendMessageA(box, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return ItemText(kTarget);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }

  void SetCheck(int id, bool on) const {
    CheckDlgButton(hwnd(), id, on ? BST_CHECKED : BST_UNCHECKED);
  }

  const std::string& discFolder_;
  CopyFileSettings given_;
  CopyFileSettings filled_;
  CopyFileSettings accepted_;
  HWND tip_ = nullptr;  // owned by the dialog, destroyed with it
};

win32::DialogTemplate Layout() {
  constexpr int kMargin = 7, kRight = 333, kButtonWidth = 50, kButtonHeight = 14;
  constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
  constexpr DWORD kCheck = WS_TABSTOP | BS_AUTOCHECKBOX;
  win32::DialogTemplate layout(std::string(kCopyFileCaption), kRight + kMargin, 268);

  layout.Add("STATIC", "Source File or Files in Folder:", -1, kMargin, 7, 150, 8, SS_LEFT);
  constexpr int kPickWidth = 62;
  layout.Add("EDIT", "", kSource, kMargin, 18, kRight - kMargin - 2 * kPickWidth - 8, 12, kEdit);
  layout.Add("BUTTON", "&Select File...", kSelectFile, kRight - 2 * kPickWidth - 4, 17, kPickWidth,
             kButtonHeight, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("BUTTON", "Select &Folder...", kSelectFolder, kRight - kPickWidth, 17, kPickWidth,
             kButtonHeight, WS_TABSTOP | BS_PUSHBUTTON);

  constexpr int kTargetWidth = 120, kReferenceX = kMargin + kTargetWidth + 8;
  layout.Add("STATIC", "Target Folder:", -1, kMargin, 38, kTargetWidth, 8, SS_LEFT);
  layout.Add("COMBOBOX", "", kTarget, kMargin, 49, kTargetWidth, 150,
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL);
  layout.Add("STATIC", "Reference on Yours:", -1, kReferenceX, 38, kRight - kReferenceX, 8,
             SS_LEFT);
  layout.Add("STATIC", "", kReference, kReferenceX, 49, kRight - kReferenceX, 12,
             SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS | SS_NOPREFIX | SS_NOTIFY | SS_CENTERIMAGE,
             WS_EX_STATICEDGE);
  layout.Add("BUTTON", "Overwrite if exists", kOverwrite, kMargin, 68, 150, 10, kCheck);

  constexpr int kInnerX = kMargin + 8, kInnerLabelWidth = 70,
                kInnerFieldX = kInnerX + kInnerLabelWidth + 4, kInnerRight = kRight - 8;
  constexpr int kPromptTop = 84;
  layout.Add("BUTTON", "Prompt", -1, kMargin, kPromptTop, kRight - kMargin, 80, BS_GROUPBOX);
  layout.Add("BUTTON", "Show message", kShowMessage, kInnerX, kPromptTop + 12, 120, 10, kCheck);
  const struct {
    const char* text;
    int label, field;
  } promptRows[] = {{"Caption:", kCaptionLabel, kCaption}, {"Message:", kMessageLabel, kMessage}};
  int y = kPromptTop + 27;
  for (const auto& row : promptRows) {
    layout.Add("STATIC", row.text, row.label, kInnerX, y + 2, kInnerLabelWidth, 8, SS_LEFT);
    layout.Add("EDIT", "", row.field, kInnerFieldX, y, kInnerRight - kInnerFieldX, 12, kEdit);
    y += 17;
  }
  layout.Add("STATIC", "Message Type:", kMessageTypeLabel, kInnerX, y + 2, kInnerLabelWidth, 8,
             SS_LEFT);
  layout.Add("COMBOBOX", "", kMessageType, kInnerFieldX, y, 70, 60,
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);

  constexpr int kRunTop = 170, kPrefixWidth = 56, kPrefixedX = kInnerFieldX + kPrefixWidth + 2;
  layout.Add("BUTTON", "Open/Run file in the target folder after copying", -1, kMargin, kRunTop,
             kRight - kMargin, 72, BS_GROUPBOX);
  const struct {
    const char* text;
    int field;
    bool prefixed;
  } runRows[] = {{"File Name:", kRunFile, true},
                 {"Parameter(s):", kRunParameters, false},
                 {"Start Directory:", kRunFolder, true}};
  y = kRunTop + 13;
  for (const auto& row : runRows) {
    layout.Add("STATIC", row.text, -1, kInnerX, y + 2, kInnerLabelWidth, 8, SS_LEFT);
    if (row.prefixed)
      layout.Add("STATIC", "[Target Folder] \\", -1, kInnerFieldX, y + 2, kPrefixWidth, 8,
                 SS_LEFT | SS_NOPREFIX);
    // The three fields line up; the parameters have no prefix to follow.
    layout.Add("EDIT", "", row.field, kPrefixedX, y, kInnerRight - kPrefixedX, 12, kEdit);
    y += 18;
  }

  layout.AddOkCancel(kRight, 248, kButtonWidth, kButtonHeight);
  return layout;
}

}  // namespace

bool EditCopyFileSettings(HWND owner, const ActionDialogContext& context, std::string& settings) {
  CopyFileDialog dialog(context.discFolder, CopyFileSettings::Decode(settings));
  if (dialog.Run(owner, Layout()) != IDOK || dialog.accepted() == dialog.filled()) return false;
  return StoreChangedSettings(settings, TrimmedCopySettings(dialog.accepted()).Encode());
}

}  // namespace plexara
