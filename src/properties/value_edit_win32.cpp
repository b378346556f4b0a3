#include "properties/value_edit_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/modal_dialog_win32.h"

namespace plexara {
namespace {

constexpr char kClassName[] = "TValueEdit";
constexpr UINT_PTR kSubclassId = 1;
constexpr int kMaxListRows = 16;
constexpr COLORREF kGridLine = RGB(224, 224, 224);

const std::string& Empty() {
  static const std::string empty;
  return empty;
}

int WindowDpi(HWND window) {
  using GetDpi = UINT(WINAPI*)(HWND);
  static const auto getDpi =
      reinterpret_cast<GetDpi>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  const UINT dpi = getDpi && window ? getDpi(window) : 0;
  return dpi ? static_cast<int>(dpi) : 96;
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
  GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  return text;
}

bool ShiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }
bool ControlDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

}  // namespace

ValueEdit::~ValueEdit() {
  if (list_) DestroyWindow(list_);
}

bool ValueEdit::Create(HWND parent, int id, ValueEditEvents& events) {
  events_ = &events;
  rows_.assign(2, RowData{});
  CreateArgs args;
  args.className = kClassName;
  args.style = WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_TABSTOP;
  args.x = args.y = 0;
  args.width = args.height = 10;
  args.parent = parent;
  if (!win32::Window::Create(args)) return false;
  SetWindowLongPtrA(hwnd(), GWLP_ID, id);
  const int dpi = WindowDpi(hwnd());
  baseKeyWidth_ = keyWidth_ = MulDiv(100, dpi, 96);
  minValueWidth_ = MulDiv(95, dpi, 96);
  LOGFONTW face = win32::MessageFont();
  ownFont_.Reset(CreateFontIndirectW(&face));
  editor_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL | ES_LEFT, 0, 0, 10, 10, hwnd(), nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  SetWindowSubclass(editor_, EditorProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  list_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "LISTBOX", "",
                          WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 10, 10, hwnd(),
                          nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowSubclass(list_, ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SetFontMetrics(ownFont_.get());
  UpdateScrollBar();
  return true;
}

void ValueEdit::SetFontMetrics(HFONT font) {
  font_ = font;
  for (HWND child : {editor_, list_}) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  HDC dc = GetDC(hwnd());
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);
  rowHeight_ = metrics.tmHeight + 4;
  SendMessageA(list_, LB_SETITEMHEIGHT, 0, rowHeight_ - 2);
}

// ---- rows ----

void ValueEdit::Clear() {
  editorRow_ = 0;
  if (editor_) ShowWindow(editor_, SW_HIDE);
  if (listOpen_) CloseList(false);
  rows_.assign(2, RowData{});
  blank_ = true;
  current_ = 1;
  topRow_ = 1;
  UpdateScrollBar();
  Redraw();
}

int ValueEdit::AppendRow(const std::string& key, const std::string& value) {
  if (blank_) {
    blank_ = false;
    rows_[1] = RowData{key, value};
  } else {
    rows_.push_back(RowData{key, value});
  }
  UpdateScrollBar();
  Redraw();
  return RowCount() - 1;
}

const std::string& ValueEdit::Key(int row) const { return Valid(row) ? rows_[static_cast<std::size_t>(row)].key : Empty(); }
const std::string& ValueEdit::Value(int row) const {
  return Valid(row) ? rows_[static_cast<std::size_t>(row)].value : Empty();
}
EditStyle ValueEdit::Style(int row) const {
  return Valid(row) ? rows_[static_cast<std::size_t>(row)].style : EditStyle::Simple;
}
bool ValueEdit::ReadOnly(int row) const { return Valid(row) && rows_[static_cast<std::size_t>(row)].readOnly; }
const std::vector<std::string>& ValueEdit::PickList(int row) const {
  static const std::vector<std::string> none;
  return Valid(row) ? rows_[static_cast<std::size_t>(row)].pickList : none;
}

void ValueEdit::SetKey(int row, const std::string& key) {
  if (!Valid(row)) return;
  rows_[static_cast<std::size_t>(row)].key = key;
  InvalidateRow(row);
}

void ValueEdit::SetValue(int row, const std::string& value) {
  if (!Valid(row)) return;
  rows_[static_cast<std::size_t>(row)].value = value;
  if (editorRow_ == row && WindowText(editor_) != value) {
    settingEditor_ = true;
    SetWindowTextA(editor_, value.c_str());
    SendMessageA(editor_, EM_SETSEL, 0, -1);
    settingEditor_ = false;
  }
  InvalidateRow(row);
  events_->ValueEditStringsChange(row);
}

void ValueEdit::SetStyle(int row, EditStyle style) {
  if (!Valid(row)) return;
  rows_[static_cast<std::size_t>(row)].style = style;
  if (row == current_) PlaceEditor();
  InvalidateRow(row);
}

void ValueEdit::SetReadOnly(int row, bool readOnly) {
  if (!Valid(row)) return;
  rows_[static_cast<std::size_t>(row)].readOnly = readOnly;
  if (row == editorRow_ && readOnly) CloseEditor();
  InvalidateRow(row);
}

void ValueEdit::SetPickList(int row, std::vector<std::string> items) {
  if (!Valid(row)) return;
  rows_[static_cast<std::size_t>(row)].pickList = std::move(items);
  if (row == current_) PlaceEditor();
  InvalidateRow(row);
}

bool ValueEdit::HasList(int row) const {
  if (!Valid(row)) return false;
  const RowData& data = rows_[static_cast<std::size_t>(row)];
  return data.style == EditStyle::PickList || (data.style == EditStyle::Simple && !data.pickList.empty());
}

bool ValueEdit::HasButton(int row) const {
  return Valid(row) && (HasList(row) || rows_[static_cast<std::size_t>(row)].style == EditStyle::Ellipsis);
}

std::string ValueEdit::EditorText() const { return editorRow_ ? WindowText(editor_) : std::string(); }

// ---- geometry ----

RECT ValueEdit::CellRect(int column, int row) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int top = row == 0 ? 0 : (row - topRow_ + 1) * rowHeight_;
  const int right = std::max<int>(client.right, keyWidth_ + minValueWidth_);
  if (column == 0) return RECT{0, top, keyWidth_ - 1, top + rowHeight_ - 1};
  return RECT{keyWidth_, top, right, top + rowHeight_ - 1};
}

void ValueEdit::FitKeyColumn(int indent) {
  fitIndent_ = indent;
  HDC dc = GetDC(hwnd());
  HGDIOBJ old = SelectObject(dc, font_);
  int widest = 0;
  for (int row = 1; row < RowCount(); ++row) {
    SIZE size{};
    const std::string& key = Key(row);
    GetTextExtentPoint32A(dc, key.c_str(), static_cast<int>(key.size()), &size);
    widest = std::max<int>(widest, size.cx);
  }
  SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int room = std::max<int>(baseKeyWidth_, client.right - minValueWidth_);
  keyWidth_ = std::clamp(widest + indent + 4, baseKeyWidth_, room);
  PlaceEditor();
  Redraw();
}

RECT ValueEdit::ButtonRect(int row) const {
  RECT cell = CellRect(1, row);
  cell.left = std::max(cell.left, cell.right - (rowHeight_ - 1));
  return cell;
}

int ValueEdit::VisibleRows() const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  return std::max(1, static_cast<int>(client.bottom) / rowHeight_ - 1);
}

int ValueEdit::RowAt(int y) const {
  if (y < rowHeight_) return 0;
  const int row = y / rowHeight_ - 1 + topRow_;
  return Valid(row) ? row : -1;
}

void ValueEdit::UpdateScrollBar() {
  if (!hwnd() || updating_ > 0) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 1;
  info.nMax = std::max(1, RowCount() - 1);
  info.nPage = static_cast<UINT>(VisibleRows());
  info.nPos = topRow_;
  SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
}

void ValueEdit::ScrollTo(int topRow) {
  const int last = std::max(1, RowCount() - VisibleRows());
  topRow = std::clamp(topRow, 1, last);
  if (topRow == topRow_) return;
  topRow_ = topRow;
  UpdateScrollBar();
  PlaceEditor();
  Redraw();
}

void ValueEdit::EnsureVisible(int row) {
  if (row < topRow_) ScrollTo(row);
  else if (row >= topRow_ + VisibleRows()) ScrollTo(row - VisibleRows() + 1);
}

void ValueEdit::Redraw() {
  if (updating_ == 0 && hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void ValueEdit::EndUpdate() {
  if (updating_ > 0 && --updating_ == 0) {
    UpdateScrollBar();
    PlaceEditor();
    Redraw();
  }
}

void ValueEdit::InvalidateRow(int row) {
  if (updating_ > 0 || !hwnd()) return;
  RECT line = CellRect(1, row);
  line.left = 0;
  line.bottom += 1;
  InvalidateRect(hwnd(), &line, FALSE);
}

// ---- the in-place editor ----

void ValueEdit::PlaceEditor() {
  if (!editorRow_) return;
  if (editorRow_ != current_ || !Valid(editorRow_)) {
    CloseEditor();
    return;
  }
  RECT cell = CellRect(1, editorRow_);
  if (HasButton(editorRow_)) cell.right = ButtonRect(editorRow_).left;
  const int visible = editorRow_ >= topRow_ && editorRow_ < topRow_ + VisibleRows();
  const int textHeight = rowHeight_ - 4;
  MoveWindow(editor_, cell.left + 2, cell.top + (cell.bottom - cell.top - textHeight) / 2, cell.right - cell.left - 3,
             textHeight, TRUE);
  ShowWindow(editor_, visible ? SW_SHOWNA : SW_HIDE);
}

void ValueEdit::OpenEditor() {
  if (!Valid(current_) || ReadOnly(current_)) {
    CloseEditor();
    return;
  }
  editorRow_ = current_;
  entered_ = Value(current_);
  settingEditor_ = true;
  SetWindowTextA(editor_, entered_.c_str());
  settingEditor_ = false;
  PlaceEditor();
  if (GetFocus() != editor_) SetFocus(editor_);
  SendMessageA(editor_, EM_SETSEL, 0, -1);
}

void ValueEdit::CloseEditor() {
  const bool hadFocus = GetFocus() == editor_;
  editorRow_ = 0;
  ShowWindow(editor_, SW_HIDE);
  if (hadFocus) SetFocus(hwnd());
}

void ValueEdit::LeaveCell() {
  if (editorRow_) events_->ValueEditValidate(1, editorRow_);
}

void ValueEdit::MoveTo(int row) {
  row = std::clamp(row, 1, std::max(1, RowCount() - 1));
  if (row != current_) {
    LeaveCell();
    CloseEditor();
    InvalidateRow(current_);
    current_ = row;
    EnsureVisible(row);
    InvalidateRow(row);
  }
  if (!editorRow_) OpenEditor();
  Redraw();
}

void ValueEdit::SetRow(int row) {
  if (!Valid(row)) return;
  const bool editing = editorRow_ != 0;
  CloseEditor();
  current_ = row;
  EnsureVisible(row);
  if (editing) OpenEditor();
  Redraw();
}

// Keys of the grid and of its editor; true when handled.
bool ValueEdit::Key(WPARAM key, bool fromEditor) {
  switch (key) {
    case VK_UP: MoveTo(current_ - 1); return true;
    case VK_DOWN: MoveTo(current_ + 1); return true;
    case VK_PRIOR: MoveTo(current_ - VisibleRows()); return true;
    case VK_NEXT: MoveTo(current_ + VisibleRows()); return true;
    case VK_TAB: MoveTo(current_ + (ShiftDown() ? -1 : 1)); return true;
    case VK_F4: DropDown(); return true;
    case VK_RETURN:
      if (ControlDown()) {
        if (Style(current_) == EditStyle::Ellipsis) events_->ValueEditEditButtonClick(current_);
        return true;
      }
      if (editorRow_) {
        events_->ValueEditValidate(1, editorRow_);
        entered_ = Value(current_);
        SendMessageA(editor_, EM_SETSEL, 0, -1);
      }
      return true;
    case VK_ESCAPE:
      if (editorRow_ && Value(editorRow_) != entered_) SetValue(editorRow_, entered_);
      return true;
    case VK_HOME:
    case VK_END:
      if (fromEditor) return false;
      MoveTo(key == VK_HOME ? 1 : RowCount() - 1);
      return true;
    default: return false;
  }
}

void ValueEdit::PressButton() {
  if (HasList(current_)) DropDown();
  else if (Style(current_) == EditStyle::Ellipsis) events_->ValueEditEditButtonClick(current_);
}

void ValueEdit::CycleValue(int row) {
  const std::vector<std::string>& items = PickList(row);
  if (items.empty()) return;
  const auto at = std::find(items.begin(), items.end(), Value(row));
  const std::size_t next = at == items.end() ? 0 : (static_cast<std::size_t>(at - items.begin()) + 1) % items.size();
  SetValue(row, items[next]);
}

// ---- the drop-down list ----

void ValueEdit::DropDown() {
  if (!HasList(current_) || listOpen_) return;
  const std::vector<std::string>& items = PickList(current_);
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  const auto at = std::find(items.begin(), items.end(), Value(current_));
  SendMessageA(list_, LB_SETCURSEL, at == items.end() ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(at - items.begin()), 0);
  const int shown = std::clamp(static_cast<int>(items.size()), 1, kMaxListRows);
  const int itemHeight = static_cast<int>(SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0));
  const int height = shown * itemHeight + 2;
  RECT cell = CellRect(1, current_);
  MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&cell), 2);
  HMONITOR monitor = MonitorFromPoint(POINT{cell.left, cell.bottom}, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoA(monitor, &info);
  const int top = cell.bottom + 1 + height > info.rcWork.bottom ? cell.top - height : cell.bottom + 1;
  SetWindowPos(list_, HWND_TOPMOST, cell.left, top, cell.right - cell.left, height, SWP_SHOWWINDOW);
  listOpen_ = true;
  SetFocus(list_);
}

void ValueEdit::CloseList(bool pick) {
  if (!listOpen_) return;
  const LRESULT index = SendMessageA(list_, LB_GETCURSEL, 0, 0);
  listOpen_ = false;
  ShowWindow(list_, SW_HIDE);
  if (pick && index >= 0) {
    char text[1024] = {};
    if (SendMessageA(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) < static_cast<LRESULT>(sizeof(text))) {
      SendMessageA(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
      SetValue(current_, text);
    }
  }
  SetFocus(editorRow_ ? editor_ : hwnd());
}

// ---- focus ----

bool ValueEdit::Owns(HWND window) const { return window && (window == hwnd() || window == editor_ || window == list_); }

void ValueEdit::FocusLost(HWND to) {
  if (Owns(to) || listOpen_ || inExit_) return;
  inExit_ = true;
  events_->ValueEditExit();
  inExit_ = false;
}

LRESULT CALLBACK ValueEdit::EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* grid = reinterpret_cast<ValueEdit*>(data);
  switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (grid->Key(wParam, true)) return 0;
      break;
    case WM_SYSKEYDOWN:
      if (wParam == VK_DOWN) {
        grid->DropDown();
        return 0;
      }
      break;
    case WM_CHAR:
      // Enter, Tab and Escape were handled as keys; the edit control would only beep.
      if (wParam == '\r' || wParam == '\t' || wParam == 27) return 0;
      break;
    case WM_KILLFOCUS: grid->FocusLost(reinterpret_cast<HWND>(wParam)); break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK ValueEdit::ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* grid = reinterpret_cast<ValueEdit*>(data);
  switch (message) {
    case WM_LBUTTONUP: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      grid->CloseList(true);
      return result;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        grid->CloseList(wParam == VK_RETURN);
        return 0;
      }
      break;
    case WM_KILLFOCUS:
      if (grid->listOpen_) {
        grid->listOpen_ = false;
        ShowWindow(window, SW_HIDE);
        grid->FocusLost(reinterpret_cast<HWND>(wParam));
      }
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

// ---- messages ----

LRESULT ValueEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      SetFontMetrics(wParam ? reinterpret_cast<HFONT>(wParam) : ownFont_.get());
      UpdateScrollBar();
      PlaceEditor();
      if (LOWORD(lParam)) Redraw();
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTARROWS;
    case WM_SIZE:
      // The room for the Name column follows the grid's width (it may be laid out after a fit).
      if (fitIndent_ >= 0) FitKeyColumn(fitIndent_);
      UpdateScrollBar();
      ScrollTo(topRow_);
      PlaceEditor();
      Redraw();
      return 0;
    case WM_SETFOCUS:
      // Focus handed back by our own closing editor or list stays on the grid.
      if (editorRow_) SetFocus(editor_);
      else if (!Owns(reinterpret_cast<HWND>(wParam)) && !ReadOnly(current_)) OpenEditor();
      Redraw();
      return 0;
    case WM_KILLFOCUS:
      FocusLost(reinterpret_cast<HWND>(wParam));
      Redraw();
      return 0;
    case WM_KEYDOWN:
      if (Key(wParam, false)) return 0;
      break;
    case WM_SYSKEYDOWN:
      if (wParam == VK_DOWN) {
        DropDown();
        return 0;
      }
      break;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == editor_ && HIWORD(wParam) == EN_CHANGE && !settingEditor_ && editorRow_) {
        rows_[static_cast<std::size_t>(editorRow_)].value = WindowText(editor_);
        InvalidateRow(editorRow_);
        events_->ValueEditStringsChange(editorRow_);
        return 0;
      }
      break;
    case WM_LBUTTONDOWN: {
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const int row = RowAt(at.y);
      if (GetFocus() != hwnd() && GetFocus() != editor_) SetFocus(hwnd());
      if (row <= 0) return 0;
      const RECT button = ButtonRect(row);
      if (row == current_ && HasButton(row) && PtInRect(&button, at)) {
        PressButton();
        return 0;
      }
      MoveTo(row);
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const int row = RowAt(at.y);
      if (row > 0 && at.x >= keyWidth_ && HasList(row)) CycleValue(row);
      return 0;
    }
    case WM_MOUSEWHEEL:
      ScrollTo(topRow_ - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3);
      return 0;
    case WM_VSCROLL: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_ALL;
      GetScrollInfo(hwnd(), SB_VERT, &info);
      int top = topRow_;
      switch (LOWORD(wParam)) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: top -= VisibleRows(); break;
        case SB_PAGEDOWN: top += VisibleRows(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: top = info.nTrackPos; break;
        default: break;
      }
      ScrollTo(top);
      return 0;
    }
    default: break;
  }
  return win32::Window::HandleMessage(message, wParam, lParam);
}

// ---- painting ----

void ValueEdit::PaintCell(HDC dc, int column, int row, const RECT& cell) {
  const bool current = row == current_ && row > 0;
  if (events_->ValueEditDrawCell(dc, column, row, cell, current)) return;
  SavedDc saved(dc);
  const bool title = row == 0;
  const bool highlight = current && column == 0;
  FillRect(dc, &cell, GetSysColorBrush(title ? COLOR_BTNFACE : highlight ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const std::string& text = title ? (column == 0 ? std::string("Name") : std::string("Value"))
                                  : (column == 0 ? Key(row) : Value(row));
  RECT area = cell;
  area.left += title ? 3 : 2;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(highlight ? COLOR_HIGHLIGHTTEXT : title ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void ValueEdit::Paint(HDC dc, const RECT& client) {
  if (client.right <= 0 || client.bottom <= 0) return;
  // Only the rows are composed off-screen; the white below the last row goes straight to the
  // window, so a short list does not copy a whole panel of blank pixels on every repaint.
  const int last = std::min(RowCount() - 1, topRow_ + VisibleRows());
  const int used = std::min<int>(client.bottom, CellRect(1, last).bottom + 1);
  if (used < client.bottom) {
    const RECT below{0, used, client.right, client.bottom};
    FillRect(dc, &below, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  const RECT rows{0, 0, client.right, used};
  if (!canvas_.Resize(client.right, client.bottom)) return;
  HDC back = canvas_.dc();
  FillRect(back, &rows, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HGDIOBJ oldFont = SelectObject(back, font_);
  GdiObject<HPEN> line(CreatePen(PS_SOLID, 1, kGridLine));
  HGDIOBJ oldPen = SelectObject(back, line.get());
  std::vector<int> shown = {0};
  for (int row = topRow_; row <= last; ++row) shown.push_back(row);
  for (const int row : shown) {
    for (int column = 0; column < 2; ++column) {
      const RECT cell = CellRect(column, row);
      PaintCell(back, column, row, cell);
      MoveToEx(back, cell.right, cell.top, nullptr);
      LineTo(back, cell.right, cell.bottom + 1);
    }
    const RECT value = CellRect(1, row);
    MoveToEx(back, 0, value.bottom, nullptr);
    LineTo(back, value.right, value.bottom);
  }
  if (Valid(current_) && HasButton(current_) && current_ >= topRow_ && current_ <= last) {
    RECT button = ButtonRect(current_);
    if (HasList(current_)) {
      DrawFrameControl(back, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    } else {
      DrawFrameControl(back, &button, DFC_BUTTON, DFCS_BUTTONPUSH);
      SetBkMode(back, TRANSPARENT);
      SetTextColor(back, GetSysColor(COLOR_BTNTEXT));
      DrawTextA(back, "...", 3, &button, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
  }
  SelectObject(back, oldPen);
  SelectObject(back, oldFont);
  BitBlt(dc, 0, 0, client.right, used, back, 0, 0, SRCCOPY);
}

}  // namespace plexara
