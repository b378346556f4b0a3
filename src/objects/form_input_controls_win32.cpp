#include "objects/form_input_controls_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "objects/tab_order.h"
#include "storage/form_input_records.h"

namespace plexara {
namespace {

constexpr UINT_PTR kChildSubclassId = 1;
constexpr char kEditProperty[] = "PlexaraSecurityEdit";
constexpr char kRadioProperty[] = "PlexaraAgreementRadio";

POINT LocalPoint(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

POINT ScreenPoint(HWND hwnd, LPARAM lParam) {
  POINT point = LocalPoint(lParam);
  ClientToScreen(hwnd, &point);
  return point;
}

DWORD StateStyle(const ObjectControl& control) {
  DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
  if (control.Visible()) style |= WS_VISIBLE;
  if (!control.Enabled()) style |= WS_DISABLED;
  return style;
}

// The children of the surface in z-order, which is also their tab order.
std::vector<HWND> SurfaceChildren(HWND surface) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(surface, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

FormInputControl::ChildSpec ChoiceSpec(const ChoiceInputRecord& record,
                                       const ObjectControl& control, DWORD buttonStyle) {
  DWORD style = StateStyle(control) | buttonStyle;
  if (record.alignment == 0) style |= BS_LEFTTEXT;  // the caption left of the box
  if (record.wordWrap) style |= BS_MULTILINE;
  return {"BUTTON",     record.caption, style,        0,           record.left, record.top,
          record.width, record.height,  &record.font, record.color};
}

}  // namespace

FormInputControl::~FormInputControl() {
  if (surface_ != nullptr)
    RemoveWindowSubclass(surface_, SurfaceProc, reinterpret_cast<UINT_PTR>(this));
  if (child_ != nullptr) {
    RemoveWindowSubclass(child_, ChildProc, kChildSubclassId);
    RemovePropA(child_, kEditProperty);
    RemovePropA(child_, kRadioProperty);
    DestroyWindow(child_);
  }
}

bool FormInputControl::CreateChild(HWND surface) {
  if (child_ != nullptr) return true;
  const ChildSpec spec = Spec();
  child_ = CreateWindowExA(spec.exStyle, spec.className, spec.text.c_str(), spec.style, spec.left,
                           spec.top, std::max(spec.width, 0), std::max(spec.height, 0), surface,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
  if (child_ == nullptr) return false;
  surface_ = surface;
  font_.Reset(CreateFontOf(*spec.font));
  SendMessageA(child_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  textColor_ = ColorOf(spec.font->color);
  backColor_ = ColorOf(spec.color);
  brush_.Reset(CreateSolidBrush(backColor_));
  SetWindowSubclass(child_, ChildProc, kChildSubclassId, reinterpret_cast<DWORD_PTR>(this));
  // The surface is asked for the colours of its child controls; each form input answers for its
  // own child there, so no other code needs to know about them.
  SetWindowSubclass(surface_, SurfaceProc, reinterpret_cast<UINT_PTR>(this),
                    reinterpret_cast<DWORD_PTR>(this));
  ChildCreated();
  return true;
}

bool FormInputControl::HandleChildMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_COMMAND) return false;
  ChildNotified(HIWORD(wParam));
  result = 0;
  return true;
}

LRESULT CALLBACK FormInputControl::SurfaceProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<FormInputControl*>(data);
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (reinterpret_cast<HWND>(lParam) == self->child_ && self->brush_) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, self->textColor_);
        SetBkColor(dc, self->backColor_);
        return reinterpret_cast<LRESULT>(self->brush_.get());
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, SurfaceProc, reinterpret_cast<UINT_PTR>(self));
      self->surface_ = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FormInputControl::ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<FormInputControl*>(data);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: {
      // The control does its own work first (focus, caret, checking); the press or release is
      // reported after, as long as the page kept us.
      const std::weak_ptr<char> alive = self->lifetime_;
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      if (alive.expired()) return result;
      if (message != WM_LBUTTONUP) {
        self->MouseDown(LocalPoint(lParam), ScreenPoint(hwnd, lParam));
        return result;
      }
      RECT client;
      GetClientRect(hwnd, &client);
      if (self->ClickOnRelease() && PtInRect(&client, LocalPoint(lParam))) {
        self->Click();
        if (alive.expired()) return result;
      }
      self->MouseUp(LocalPoint(lParam), ScreenPoint(hwnd, lParam));
      return result;
    }
    case WM_MOUSEMOVE:
      if (!self->trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
        self->trackingLeave_ = TrackMouseEvent(&track) != FALSE;
        self->MouseEnter();
      }
      break;
    case WM_MOUSELEAVE:
      self->trackingLeave_ = false;
      self->MouseLeave();
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, ChildProc, kChildSubclassId);
      self->child_ = nullptr;
      self->trackingLeave_ = false;
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// ---- Edit ----

FormInputControl::ChildSpec TAuSecurityEdit::Spec() const {
  const auto& record = std::get<EditRecord>(data().record);
  DWORD style = StateStyle(*this) | ES_AUTOHSCROLL;
  if (record.charCase == 1) style |= ES_UPPERCASE;
  if (record.charCase == 2) style |= ES_LOWERCASE;
  if (record.passwordChar != 0) style |= ES_PASSWORD;
  const DWORD exStyle = record.border == 1 ? WS_EX_CLIENTEDGE : 0;
  int height = record.height;
  if (record.autoHeight) {
    // The height follows the font: one line of text, the edit's margins and its frame.
    HFONT font = CreateFontOf(record.font);
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    const int frame = record.border == 1 ? 2 * GetSystemMetrics(SM_CYEDGE) : 0;
    height = metrics.tmHeight + 4 + frame;
  }
  return {"EDIT",     record.text,  style,  exStyle,      record.left,
          record.top, record.width, height, &record.font, record.color};
}

void TAuSecurityEdit::ChildCreated() {
  const auto& record = std::get<EditRecord>(data().record);
  SetPropA(Child(), kEditProperty, this);
  // 0 lifts the limit to the control's maximum, as "no limit" asks.
  SendMessageA(Child(), EM_LIMITTEXT, static_cast<WPARAM>(std::max(record.maxLength, 0)), 0);
  if (record.passwordChar != 0) SendMessageA(Child(), EM_SETPASSWORDCHAR, record.passwordChar, 0);
}

void TAuSecurityEdit::ChildNotified(WORD code) {
  if (code != EN_CHANGE) return;
  auto& record = std::get<EditRecord>(data().record);
  const int length = GetWindowTextLengthA(Child());
  std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
  const int copied = GetWindowTextA(Child(), text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  record.text = std::move(text);
  EditAutoAdvance(*this);
}

void EditAutoAdvance(TAuSecurityEdit& edit) {
  HWND child = edit.Child();
  if (child == nullptr) return;
  const auto& record = std::get<EditRecord>(edit.data().record);
  if (record.maxLength <= 0 || static_cast<std::int32_t>(record.text.size()) != record.maxLength)
    return;
  // A control's tab position is its place in the surface's child list, hidden and disabled
  // controls counted; the focus goes to exactly the Edit one place further, never to whatever the
  // dialog navigation would pick after skipping it.
  const std::vector<HWND> children = SurfaceChildren(GetParent(child));
  const auto at = std::find(children.begin(), children.end(), child);
  if (at == children.end() || at + 1 == children.end()) return;
  HWND next = *(at + 1);
  if (GetPropA(next, kEditProperty) == nullptr || !IsWindowVisible(next) || !IsWindowEnabled(next)) return;
  SetFocus(next);
  SendMessageA(next, EM_SETSEL, 0, -1);
}

// ---- RadioButton ----

FormInputControl::ChildSpec TAuAgreementRadio::Spec() const {
  return ChoiceSpec(std::get<RadioButtonRecord>(data().record), *this, BS_RADIOBUTTON);
}

void TAuAgreementRadio::ChildCreated() {
  SetPropA(Child(), kRadioProperty, this);
  SendMessageA(Child(), BM_SETCHECK,
               std::get<RadioButtonRecord>(data().record).checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TAuAgreementRadio::SetCheckedState(bool checked) {
  std::get<RadioButtonRecord>(data().record).checked = checked;
  if (Child() != nullptr)
    SendMessageA(Child(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TAuAgreementRadio::ChildNotified(WORD code) {
  if (code != BN_CLICKED) return;
  // One group per page: every other RadioButton on the surface goes off.
  for (HWND sibling : SurfaceChildren(GetParent(Child()))) {
    auto* other = static_cast<TAuAgreementRadio*>(GetPropA(sibling, kRadioProperty));
    if (other != nullptr && other != this) other->SetCheckedState(false);
  }
  SetCheckedState(true);
  Click();
}

// ---- CheckBox ----

FormInputControl::ChildSpec TAuAgreementCheck::Spec() const {
  return ChoiceSpec(std::get<CheckBoxRecord>(data().record), *this, BS_AUTOCHECKBOX);
}

void TAuAgreementCheck::ChildCreated() {
  SendMessageA(Child(), BM_SETCHECK,
               std::get<CheckBoxRecord>(data().record).checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TAuAgreementCheck::ChildNotified(WORD code) {
  if (code != BN_CLICKED) return;
  std::get<CheckBoxRecord>(data().record).checked =
      SendMessageA(Child(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  Click();
}

// ---- tab order ----

void ApplyTabOrder(std::span<ObjectControl* const> controls) {
  std::vector<ObjectControl*> windowed;
  std::vector<TabOrderItem> items;
  for (ObjectControl* control : controls) {
    if (!control->Windowed() || control->Child() == nullptr) continue;
    TabOrderItem item{control->kind(), 0};
    if (const auto* edit = std::get_if<EditRecord>(&control->data().record))
      item.storedTabOrder = edit->tabOrder;
    if (const auto* radio = std::get_if<RadioButtonRecord>(&control->data().record))
      item.storedTabOrder = radio->tabOrder;
    if (const auto* check = std::get_if<CheckBoxRecord>(&control->data().record))
      item.storedTabOrder = check->tabOrder;
    windowed.push_back(control);
    items.push_back(item);
  }
  HWND previous = HWND_TOP;
  for (std::size_t index : ComputeTabOrder(items, controls.size())) {
    HWND child = windowed[index]->Child();
    SetWindowPos(child, previous, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    previous = child;
  }
}

}  // namespace plexara
