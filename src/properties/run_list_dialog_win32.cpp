// "Open/Run Files" (the files an Open/Run File action runs in turn) and the "Open/Run File Editor"
// for one of them. The rows live in a vector beside the report list, in the same order; the list
// only shows them.
#include "properties/action_dialogs_win32.h"
// The common controls need the platform types that header brings.
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/modal_dialog_win32.h"
#include "platform/shell_seam.h"
#include "properties/file_filters.h"
#include "properties/file_picker_win32.h"
#include "properties/run_entries.h"

namespace plexara {
namespace {

enum : int { kList = 101, kAdd, kEdit, kDelete, kClear };
enum : int { kFile = 201, kSelect, kParameters, kStartDirectory, kWait };

constexpr int kFileColumnWidth = 200;  // pixels

void RefusePlayer(HWND owner) {
  ShowInformationBox(CurrentMessageBoxes(), kRunFileIsPlayerText, kRunInformationCaption, owner);
}

// ---- Open/Run File Editor ----

class RunFileEditor final : public win32::ModalDialog {
 public:
  RunFileEditor(const std::string& discFolder, const RunListEntry& given)
      : discFolder_(discFolder), entry_(TrimmedRunEntry(given)) {}
  // The fields as "&OK" accepted them, trimmed.
  const RunListEntry& entry() const { return entry_; }

 private:
  bool OnInit() override {
    SetItemText(kFile, entry_.file);
    SetItemText(kParameters, entry_.parameters);
    SetItemText(kStartDirectory, entry_.startFolder);
    CheckDlgButton(hwnd(), kWait, entry_.wait ? BST_CHECKED : BST_UNCHECKED);
    return true;
  }

  bool OnCommand(int id, int code) override {
    if (id == kSelect && code == BN_CLICKED) {
      std::string value = RunFilePickerValue(ItemText(kFile));
      if (PickFile(hwnd(), discFolder_, kAllFilesFilter, value)) {
        SetItemText(kFile, value);
        SetItemText(kParameters, "");
        SetItemText(kStartDirectory, RunFolderPart(value));
      }
      return true;
    }
    if (id != IDOK) return false;
    const RunListEntry typed = Typed();
    if (IsPlayerRunFile(typed.file)) {
      RefusePlayer(hwnd());
      SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(kFile)), TRUE);
      return true;
    }
    entry_ = TrimmedRunEntry(typed);
    End(IDOK);
    return true;
  }

  RunListEntry Typed() const {
    return RunListEntry{ItemText(kFile), ItemText(kParameters), ItemText(kStartDirectory),
                        IsDlgButtonChecked(hwnd(), kWait) == BST_CHECKED};
  }

  const std::string& discFolder_;
  RunListEntry entry_;
};

win32::DialogTemplate RunFileLayout() {
  constexpr int kLabelX = 7, kLabelWidth = 60, kFieldX = 70, kRight = 293;
  constexpr int kButtonWidth = 50, kButtonHeight = 14;
  constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
  win32::DialogTemplate layout(std::string(kRunFileCaption), kRight + 7, 100);
  layout.Add("STATIC", "File Name:", -1, kLabelX, 9, kLabelWidth, 8, SS_LEFT);
  layout.Add("EDIT", "", kFile, kFieldX, 7, kRight - kFieldX - kButtonWidth - 4, 12, kEdit);
  layout.Add("BUTTON", "&Select...", kSelect, kRight - kButtonWidth, 6, kButtonWidth, kButtonHeight,
             WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("STATIC", "Parameter(s):", -1, kLabelX, 26, kLabelWidth, 8, SS_LEFT);
  layout.Add("EDIT", "", kParameters, kFieldX, 24, kRight - kFieldX, 12, kEdit);
  layout.Add("STATIC", "Start Directory:", -1, kLabelX, 43, kLabelWidth, 8, SS_LEFT);
  layout.Add("EDIT", "", kStartDirectory, kFieldX, 41, kRight - kFieldX, 12, kEdit);
  layout.Add("BUTTON", "Wait for progress to complete before continue next one", kWait, kLabelX, 59,
             kRight - kLabelX, 10, WS_TABSTOP | BS_AUTOCHECKBOX);
  layout.AddOkCancel(kRight, 79, kButtonWidth, kButtonHeight);
  return layout;
}

// ---- Open/Run Files ----

class RunListDialog final : public win32::ModalDialog {
 public:
  RunListDialog(const ActionDialogContext& context, std::vector<RunListEntry> rows)
      : context_(context), rows_(std::move(rows)) {}
  const std::vector<RunListEntry>& rows() const { return rows_; }

 private:
  bool OnInit() override {
    HWND list = Item(kList);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(list, &client);
    // The file name keeps its fixed width; the other three share what the list has left.
    const int rest = client.right - GetSystemMetrics(SM_CXVSCROLL) - kFileColumnWidth;
    const int waitWidth = rest / 6;
    const int otherWidth = (rest - waitWidth) / 2;
    const struct {
      const char* title;
      int width;
    } columns[] = {{"File Name", kFileColumnWidth},
                   {"Parameter(s)", otherWidth},
                   {"Start Directory", otherWidth},
                   {"Wait", waitWidth}};
    int index = 0;
    for (const auto& column : columns) {
      LVCOLUMNA info{};
      info.mask = LVCF_TEXT | LVCF_WIDTH;
      info.pszText = const_cast<char*>(column.title);
      info.cx = column.width;
      SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++),
                   reinterpret_cast<LPARAM>(&info));
    }
    for (std::size_t row = 0; row < rows_.size(); ++row) InsertRow(static_cast<int>(row));
    FollowList();
    return true;
  }

  bool OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return false;
    switch (id) {
      case kAdd:
        Add();
        return true;
      case kEdit:
        EditFocused();
        return true;
      case kDelete:
        DeleteSelected();
        return true;
      case kClear:
        rows_.clear();
        ListView_DeleteAllItems(Item(kList));
        FollowList();
        return true;
      default:
        return false;  // OK and Cancel end the dialog
    }
  }

  LRESULT OnNotify(const NMHDR& header) override {
    if (header.idFrom != kList) return 0;
    if (header.code == LVN_ITEMCHANGED) FollowList();
    if (header.code == NM_DBLCLK) EditFocused();
    return 0;
  }

  void Add() {
    std::string picked;
    if (!PickFile(hwnd(), context_.discFolder, kAllFilesFilter, picked)) return;
    if (IsPlayerRunFile(picked)) {
      RefusePlayer(hwnd());
      return;
    }
    rows_.push_back(RunEntryFromPickedFile(picked));
    InsertRow(static_cast<int>(rows_.size()) - 1);
    FollowList();
  }

  void EditFocused() {
    const int row = ListView_GetNextItem(Item(kList), -1, LVNI_FOCUSED);
    if (row < 0) return;
    RunListEntry entry = rows_[static_cast<std::size_t>(row)];
    // The list cannot change while the editor is up (this dialog is disabled), but the row is
    // looked at again rather than trusted.
    if (!EditRunFile(hwnd(), context_, entry) || static_cast<std::size_t>(row) >= rows_.size())
      return;
    rows_[static_cast<std::size_t>(row)] = std::move(entry);
    ShowRow(row);
  }

  void DeleteSelected() {
    HWND list = Item(kList);
    for (int row = static_cast<int>(rows_.size()) - 1; row >= 0; --row) {
      if (ListView_GetItemState(list, row, LVIS_SELECTED) == 0) continue;
      ListView_DeleteItem(list, row);
      rows_.erase(rows_.begin() + row);
    }
    FollowList();
  }

  void InsertRow(int row) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>("");
    SendMessageA(Item(kList), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    ShowRow(row);
  }

  void ShowRow(int row) {
    const RunListEntry& entry = rows_[static_cast<std::size_t>(row)];
    const std::string texts[] = {entry.file, entry.parameters, entry.startFolder,
                                 std::string(FlagText(entry.wait))};
    for (int column = 0; column < 4; ++column) {
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = const_cast<char*>(texts[column].c_str());
      SendMessageA(Item(kList), LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    }
  }

  // "&Edit..." needs a focused row, "&Delete" a selected one, "Clear" any row.
  void FollowList() const {
    HWND list = Item(kList);
    EnableWindow(Item(kEdit), ListView_GetNextItem(list, -1, LVNI_FOCUSED) >= 0);
    EnableWindow(Item(kDelete), ListView_GetSelectedCount(list) > 0);
    EnableWindow(Item(kClear), !rows_.empty());
  }

  const ActionDialogContext& context_;
  std::vector<RunListEntry> rows_;
};

win32::DialogTemplate RunListLayout() {
  constexpr int kListWidth = 340, kListHeight = 160, kButtonX = 7 + kListWidth + 7;
  constexpr int kButtonWidth = 54, kButtonHeight = 14;
  win32::DialogTemplate layout(std::string(kRunListCaption), kButtonX + kButtonWidth + 7,
                               kListHeight + 14);
  layout.Add(WC_LISTVIEWA, "", kList, 7, 7, kListWidth, kListHeight,
             LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP);
  const struct {
    const char* text;
    int id;
  } buttons[] = {{"&Add...", kAdd}, {"&Edit...", kEdit}, {"&Delete", kDelete}, {"Clear", kClear}};
  int y = 7;
  for (const auto& button : buttons) {
    layout.Add("BUTTON", button.text, button.id, kButtonX, y, kButtonWidth, kButtonHeight,
               WS_TABSTOP | BS_PUSHBUTTON);
    y += kButtonHeight + 4;
  }
  const int bottom = 7 + kListHeight;
  layout.Add("BUTTON", "&OK", IDOK, kButtonX, bottom - 2 * kButtonHeight - 4, kButtonWidth,
             kButtonHeight, WS_TABSTOP | BS_DEFPUSHBUTTON);
  layout.Add("BUTTON", "&Cancel", IDCANCEL, kButtonX, bottom - kButtonHeight, kButtonWidth,
             kButtonHeight, WS_TABSTOP | BS_PUSHBUTTON);
  return layout;
}

}  // namespace

bool EditRunList(HWND owner, const ActionDialogContext& context, std::string& settings) {
  const std::vector<RunListEntry> given = RunRowsFromSettings(settings);
  RunListDialog dialog(context, given);
  // Rows that are as they were write nothing: a single-form target stays as it is stored.
  if (dialog.Run(owner, RunListLayout()) != IDOK || dialog.rows() == given) return false;
  return StoreChangedSettings(settings, RunSettingsFromRows(dialog.rows()));
}

bool EditRunFile(HWND owner, const ActionDialogContext& context, RunListEntry& entry) {
  RunFileEditor editor(context.discFolder, entry);
  if (editor.Run(owner, RunFileLayout()) != IDOK || editor.entry() == TrimmedRunEntry(entry))
    return false;
  entry = editor.entry();
  return true;
}

}  // namespace plexara
