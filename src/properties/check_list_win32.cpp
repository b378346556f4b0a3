#include "properties/check_list_win32.h"

#include <commctrl.h>

#include <algorithm>

namespace plexara {

void AddCheckList(win32::DialogTemplate& layout, int id, int x, int y, int width, int height) {
  layout.Add(
      WC_LISTVIEWA, "", id, x, y, width, height,
      LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP);
}

void CheckList::Attach(HWND list) {
  list_ = list;
  // The check boxes must be on before rows are added, so every row gets its unchecked box.
  ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  RECT client{};
  GetClientRect(list_, &client);
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  // Room for the vertical scroll bar, so a long list never needs a horizontal one as well.
  column.cx = std::max<int>(0, client.right - GetSystemMetrics(SM_CXVSCROLL));
  SendMessageA(list_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void CheckList::Fill(const std::vector<std::string>& names) {
  ListView_DeleteAllItems(list_);
  entries_ = names;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = entries_[i].data();
    SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void CheckList::Check(const std::vector<std::string>& names) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (std::find(names.begin(), names.end(), entries_[i]) != names.end())
      ListView_SetCheckState(list_, static_cast<int>(i), TRUE);
  }
}

void CheckList::SetAllChecked(bool checked) {
  for (int i = 0; i < Count(); ++i) ListView_SetCheckState(list_, i, checked ? TRUE : FALSE);
}

std::vector<std::string> CheckList::CheckedNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < Count(); ++i) {
    if (ListView_GetCheckState(list_, i)) names.push_back(entries_[static_cast<std::size_t>(i)]);
  }
  return names;
}

}  // namespace plexara
