#include "editor/object_selector_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "editor/editor_icons_win32.h"

namespace plexara {
namespace {

constexpr int kSelectorId = 0x5101;
constexpr int kItemHeight = 18;
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kSilver = RGB(192, 192, 192);

int TextWidth(HDC dc, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void DrawTextAt(HDC dc, const std::string& text, int x, const RECT& row) {
  RECT box{x, row.top, row.right, row.bottom};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace

bool ObjectSelector::Create(HWND parent, Chosen chosen) {
  chosen_ = std::move(chosen);
  combo_ = CreateWindowExA(0, WC_COMBOBOXA, "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 0, 0, 100, 300,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSelectorId)),
                           GetModuleHandleA(nullptr), nullptr);
  return combo_ != nullptr;
}

void ObjectSelector::Fill(std::vector<SelectorItem> items, int index) {
  items_ = std::move(items);
  SendMessageA(combo_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
  for (std::size_t i = 0; i < items_.size(); ++i) SendMessageA(combo_, CB_ADDSTRING, 0, static_cast<LPARAM>(i));
  SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(combo_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(combo_, nullptr, TRUE);
}

void ObjectSelector::SetIndex(int index) { SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void ObjectSelector::Rename(int index, const std::string& name) {
  if (index < 0 || index >= count()) return;
  items_[static_cast<std::size_t>(index)].name = name;
  InvalidateRect(combo_, nullptr, FALSE);
}

int ObjectSelector::index() const { return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0)); }

bool ObjectSelector::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) != combo_) return false;
  if (HIWORD(wParam) == CBN_SELCHANGE && chosen_) chosen_(index());
  return true;
}

bool ObjectSelector::OnMeasureItem(MEASUREITEMSTRUCT& item) const {
  if (item.CtlID != kSelectorId) return false;
  item.itemHeight = kItemHeight;
  return true;
}

bool ObjectSelector::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != combo_) return false;
  HDC dc = item.hDC;
  const RECT& row = item.rcItem;
  const bool highlighted = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &row, GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1) || item.itemData >= items_.size()) return true;
  const SelectorItem& entry = items_[item.itemData];
  SetBkMode(dc, TRANSPARENT);
  const COLORREF text = GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  const int iconTop = row.top + (row.bottom - row.top - 16) / 2;
  if (entry.page) {
    if (entry.kind >= 0 && entry.kind < kPageKindIconCount) {
      ImageList_Draw(PageKindImages(), entry.kind, dc, row.left, iconTop, ILD_TRANSPARENT);
    }
    SetTextColor(dc, text);
    DrawTextAt(dc, entry.name, row.left + 18, row);
    SetTextColor(dc, highlighted ? text : kGrey);
    DrawTextAt(dc, "[" + entry.typeName + "]", row.left + std::max(TextWidth(dc, entry.name), 58) + 30, row);
  } else {
    ImageList_Draw(ObjectKindImages(), ObjectKindImage(entry.kind, entry.hidden), dc, row.left + 8, iconTop,
                   ILD_TRANSPARENT);
    SetTextColor(dc, entry.hidden && !highlighted ? kGrey : text);
    DrawTextAt(dc, entry.name, row.left + 26, row);
    const int x = row.left + std::max(TextWidth(dc, entry.name), 50) + 38;
    if (entry.hidden) {
      SetTextColor(dc, highlighted ? text : kSilver);
      DrawTextAt(dc, "[" + entry.typeName + "] [Hide]", x, row);
    } else {
      SetTextColor(dc, highlighted ? text : kGrey);
      DrawTextAt(dc, "[" + entry.typeName + "]", x, row);
    }
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
  return true;
}

}  // namespace plexara
