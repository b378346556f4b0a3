#include "properties/select_groups_dialog_win32.h"

#include <commctrl.h>

#include "platform/modal_dialog_win32.h"

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
    HWND list = Item(kList);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(list, &client);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    for (std::size_t i = 0; i < groups_.size(); ++i) {
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(i);
      item.pszText = const_cast<char*>(groups_[i].c_str());
      SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    return true;
  }

  bool OnCommand(int id, int) override {
    HWND list = Item(kList);
    switch (id) {
      case kCheckAll:
      case kUncheckAll:
        for (int i = 0; i < static_cast<int>(groups_.size()); ++i) ListView_SetCheckState(list, i, id == kCheckAll);
        return true;
      case IDOK:
        checked_.clear();
        for (int i = 0; i < static_cast<int>(groups_.size()); ++i) {
          if (ListView_GetCheckState(list, i)) checked_.push_back(groups_[static_cast<std::size_t>(i)]);
        }
        End(IDOK);
        return true;
      default:
        return false;
    }
  }

 private:
  const std::string& label_;
  const std::vector<std::string>& groups_;
  std::vector<std::string> checked_;
};

win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("Select Groups", 250, 170);
  layout.Add("STATIC", "", kLabel, 8, 7, 234, 18, SS_LEFT | SS_NOPREFIX);
  layout.Add(WC_LISTVIEWA, "", kList, 8, 28, 172, 134,
             LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP);
  layout.Add("BUTTON", "Check All", kCheckAll, 188, 28, 54, 14, BS_PUSHBUTTON | WS_TABSTOP);
  layout.Add("BUTTON", "Uncheck All", kUncheckAll, 188, 46, 54, 14, BS_PUSHBUTTON | WS_TABSTOP);
  layout.Add("BUTTON", "&OK", IDOK, 188, 130, 54, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
  layout.Add("BUTTON", "&Cancel", IDCANCEL, 188, 148, 54, 14, BS_PUSHBUTTON | WS_TABSTOP);
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
