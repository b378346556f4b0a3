// "Action Group": the list of actions a group runs one after another. Each row holds a copy of its
// action; the action editor changes that copy, and only "&OK" writes the list back.
#include "properties/action_dialogs_win32.h"
// commctrl.h needs the types of windows.h declared first.
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/modal_dialog_win32.h"
#include "properties/action_group_form.h"

namespace plexara {
namespace {

enum : int { kList = 101, kAdd, kEdit, kDelete, kClear };
constexpr int kColumnWidth = 170;  // pixels, both columns

class ActionGroupDialog final : public win32::ModalDialog {
 public:
  ActionGroupDialog(const ActionDialogContext& context, std::vector<GroupedAction> actions)
      : context_(context), actions_(std::move(actions)) {}
  const std::vector<GroupedAction>& actions() const { return actions_; }

 private:
  HWND List() const { return Item(kList); }
  int FocusedRow() const { return ListView_GetNextItem(List(), -1, LVNI_FOCUSED); }

  bool OnInit() override {
    HWND list = List();
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    const char* titles[] = {"Action", "Settings"};
    for (int column = 0; column < 2; ++column) {
      LVCOLUMNA header{};
      header.mask = LVCF_TEXT | LVCF_WIDTH;
      header.cx = kColumnWidth;
      header.pszText = const_cast<char*>(titles[column]);
      SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
    }
    for (std::size_t i = 0; i < actions_.size(); ++i) InsertRow(static_cast<int>(i));
    UpdateButtons();
    return true;
  }

  void InsertRow(int index) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>("");
    SendMessageA(List(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    ShowRow(index);
  }

  void ShowRow(int index) {
    const ActionGroupRow row = ActionGroupRowOf(actions_[static_cast<std::size_t>(index)]);
    const std::string* texts[] = {&row.action, &row.settings};
    for (int column = 0; column < 2; ++column) {
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = const_cast<char*>(texts[column]->c_str());
      SendMessageA(List(), LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    }
  }

  void UpdateButtons() const {
    const bool focused = FocusedRow() >= 0;
    EnableWindow(Item(kEdit), focused);
    EnableWindow(Item(kDelete), focused);
    EnableWindow(Item(kClear), !actions_.empty());
  }

  void Add() {
    GroupedAction action = NewGroupedAction();
    if (!EditAction(hwnd(), context_, action)) return;
    actions_.push_back(std::move(action));
    const int index = static_cast<int>(actions_.size()) - 1;
    InsertRow(index);
    const UINT mark = LVIS_FOCUSED | LVIS_SELECTED;
    ListView_SetItemState(List(), index, mark, mark);
    ListView_EnsureVisible(List(), index, FALSE);
  }

  void Edit(int index) {
    if (index < 0 || index >= static_cast<int>(actions_.size())) return;
    GroupedAction action = actions_[static_cast<std::size_t>(index)];
    if (!EditAction(hwnd(), context_, action)) return;
    actions_[static_cast<std::size_t>(index)] = std::move(action);
    ShowRow(index);
  }

  void Delete(int index) {
    if (index < 0 || index >= static_cast<int>(actions_.size())) return;
    actions_.erase(actions_.begin() + index);
    ListView_DeleteItem(List(), index);
  }

  bool OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return false;
    switch (id) {
      case kAdd:
        Add();
        break;
      case kEdit:
        Edit(FocusedRow());
        break;
      case kDelete:
        Delete(FocusedRow());
        break;
      case kClear:
        actions_.clear();
        ListView_DeleteAllItems(List());
        break;
      default:
        return false;
    }
    UpdateButtons();
    return true;
  }

  LRESULT OnNotify(const NMHDR& header) override {
    if (header.idFrom != kList) return 0;
    if (header.code == LVN_ITEMCHANGED) {
      UpdateButtons();
    } else if (header.code == NM_DBLCLK) {
      const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
      if (activate.iItem >= 0) Edit(activate.iItem);
      UpdateButtons();
    }
    return 0;
  }

  const ActionDialogContext& context_;
  std::vector<GroupedAction> actions_;
};

win32::DialogTemplate Layout() {
  // The list is wide enough for both 170-pixel columns and a scroll bar in the usual fonts.
  win32::DialogTemplate layout("Action Group", 327, 164);
  layout.Add(WC_LISTVIEWA, "", kList, 7, 7, 250, 150,
             LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP);
  const struct {
    const char* text;
    int id, y;
    DWORD style;
  } buttons[] = {
      {"&Add", kAdd, 7, BS_PUSHBUTTON},        {"&Edit", kEdit, 25, BS_PUSHBUTTON},
      {"&Delete", kDelete, 43, BS_PUSHBUTTON}, {"C&lear", kClear, 61, BS_PUSHBUTTON},
      {"&OK", IDOK, 125, BS_DEFPUSHBUTTON},    {"&Cancel", IDCANCEL, 143, BS_PUSHBUTTON},
  };
  for (const auto& button : buttons)
    layout.Add("BUTTON", button.text, button.id, 264, button.y, 56, 14, button.style | WS_TABSTOP);
  return layout;
}

}  // namespace

bool EditActionGroup(HWND owner, const ActionDialogContext& context, std::string& settings) {
  ActionGroupDialog dialog(context, ActionGroupSettings::Decode(settings).actions);
  if (dialog.Run(owner, Layout()) != IDOK) return false;
  return StoreChangedSettings(settings, ActionGroupSettings{dialog.actions()}.Encode());
}

}  // namespace plexara
