#include "properties/select_groups_dialog_win32.h"

#include "platform/modal_dialog_win32.h"
#include "properties/check_list_win32.h"

namespace plexara {
namespace {

enum : int { kLabel = 101, kList, kCheckAll, kUncheckAll };

class SelectGroupsDialog final : public win32::ModalDialog {
 public:
  SelectGroupsDialog(const std::string& label, const std::vector<std::string>& groups)
      : label_(label), groups_(groups) {}
  const std::vector<std::string>& checked() const { return checked_; }

 protected:
  bool OnInit() override {
    SetItemText(kLabel, label_);
    list_.Attach(Item(kList));
    list_.Fill(groups_);
    return true;
  }

  bool OnCommand(int id, int code) override {
    switch (id) {
      case kCheckAll:
      case kUncheckAll:
        if (code != BN_CLICKED) return false;
        list_.SetAllChecked(id == kCheckAll);
        return true;
      case IDOK:
        checked_ = list_.CheckedNames();
        End(IDOK);
        return true;
      default:
        return false;
    }
  }

 private:
  const std::string& label_;
  const std::vector<std::string>& groups_;
  CheckList list_;
  std::vector<std::string> checked_;
};

win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("Select Groups", 250, 170);
  layout.Add("STATIC", "", kLabel, 8, 7, 234, 18, SS_LEFT | SS_NOPREFIX);
  AddCheckList(layout, kList, 8, 28, 172, 134);
  layout.Add("BUTTON", "Check All", kCheckAll, 188, 28, 54, 14, BS_PUSHBUTTON | WS_TABSTOP);
  layout.Add("BUTTON", "Uncheck All", kUncheckAll, 188, 46, 54, 14, BS_PUSHBUTTON | WS_TABSTOP);
  layout.Add("BUTTON", "&OK", IDOK, 188, 130, 54, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
  layout.Add("BUTTON", "&Cancal", IDCANCEL, 188, 148, 54, 14, BS_PUSHBUTTON | WS_TABSTOP);
  return layout;
}

}  // namespace

bool SelectGroups(HWND owner, const std::string& label, const std::vector<std::string>& groups,
                  std::vector<std::string>& checked) {
  SelectGroupsDialog dialog(label, groups);
  if (dialog.Run(owner, Layout()) != IDOK) return false;
  checked = dialog.checked();
  return true;
}

}  // namespace plexara
