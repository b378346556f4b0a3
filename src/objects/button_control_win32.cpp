#include "objects/button_control_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace plexara {
namespace {

constexpr UINT_PTR kSubclassId = 1;

const ButtonRecord& RecordOf(const ObjectControl& control) {
  return std::get<ButtonRecord>(control.data().record);
}

POINT LocalPoint(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

POINT ScreenPoint(HWND hwnd, LPARAM lParam) {
  POINT point = LocalPoint(lParam);
  ClientToScreen(hwnd, &point);
  return point;
}

// A grouped Button is a push-like check box that only this code checks; any other is a plain
// push button.
LONG_PTR ButtonStyle(LONG_PTR style, bool grouped) {
  style &= ~static_cast<LONG_PTR>(BS_TYPEMASK | BS_PUSHLIKE);
  return style | (grouped ? BS_CHECKBOX | BS_PUSHLIKE : BS_PUSHBUTTON);
}

}  // namespace

TAuButton::TAuButton(ObjectData& data) : ObjectControl(data) {}

TAuButton::~TAuButton() {
  LeaveGroup();
  if (child_ != nullptr) {
    RemoveWindowSubclass(child_, ChildProc, kSubclassId);
    DestroyWindow(child_);
  }
}

bool TAuButton::CreateChild(HWND surface) {
  if (child_ != nullptr) return true;
  const ButtonRecord& record = RecordOf(*this);
  LONG_PTR style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
  if (Visible()) style |= WS_VISIBLE;
  if (!Enabled()) style |= WS_DISABLED;
  style = ButtonStyle(style, group_ != nullptr);
  child_ = CreateWindowExA(0, "BUTTON", record.caption.c_str(), static_cast<DWORD>(style), record.left,
                           record.top, std::max(record.width, 0), std::max(record.height, 0), surface,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
  if (child_ == nullptr) return false;
  font_.Reset(CreateFontOf(record.font));
  SendMessageA(child_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SetWindowSubclass(child_, ChildProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  ApplyGroupStyle();
  return true;
}

bool TAuButton::HandleChildMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  // Clicking a member puts it down and raises the others; clicking the down one keeps it down.
  if (group_) {
    const std::vector<TAuButton*> members = group_->members;
    for (TAuButton* member : members) member->SetDown(member == this);
  }
  result = 0;
  Click();
  return true;
}

void TAuButton::JoinGroup(std::shared_ptr<ButtonGroup> group) {
  LeaveGroup();
  group_ = std::move(group);
  group_->members.push_back(this);
  down_ = data().command.checked;
  ApplyGroupStyle();
}

void TAuButton::LeaveGroup() {
  if (!group_) return;
  std::erase(group_->members, this);
  group_.reset();
}

void TAuButton::SetDown(bool down) {
  down_ = down;
  if (child_ != nullptr) SendMessageA(child_, BM_SETCHECK, down ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TAuButton::ApplyGroupStyle() {
  if (child_ == nullptr) return;
  const LONG_PTR style = ButtonStyle(GetWindowLongPtrA(child_, GWL_STYLE), group_ != nullptr);
  SetWindowLongPtrA(child_, GWL_STYLE, style);
  SendMessageA(child_, BM_SETSTYLE, static_cast<WPARAM>(style & 0xFFFF), TRUE);
  SetDown(down_);
}

LRESULT CALLBACK TAuButton::ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TAuButton*>(data);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: {
      // The button does its own work first (capture, pushed look, and on release the click the
      // page hears about); the press or release is reported after, as long as the page kept us.
      const std::weak_ptr<char> alive = self->lifetime_;
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      if (alive.expired()) return result;
      if (message == WM_LBUTTONUP) {
        self->MouseUp(LocalPoint(lParam), ScreenPoint(hwnd, lParam));
      } else {
        self->MouseDown(LocalPoint(lParam), ScreenPoint(hwnd, lParam));
      }
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
      RemoveWindowSubclass(hwnd, ChildProc, kSubclassId);
      self->child_ = nullptr;
      self->trackingLeave_ = false;
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void JoinButtonGroups(std::span<ObjectControl* const> controls) {
  std::vector<std::shared_ptr<ButtonGroup>> groups;
  for (ObjectControl* control : controls) {
    auto* button = dynamic_cast<TAuButton*>(control);
    if (button == nullptr) continue;
    const TCommand& command = button->data().command;
    if (!command.checkStyleInGroup || command.groupName.empty()) continue;
    auto group = std::find_if(groups.begin(), groups.end(),
                              [&](const auto& g) { return g->name == command.groupName; });
    if (group == groups.end()) {
      groups.push_back(std::make_shared<ButtonGroup>(
          ButtonGroup{command.groupName, static_cast<int>(groups.size()) + 1, {}}));
      group = groups.end() - 1;
    }
    button->JoinGroup(*group);
  }
}

}  // namespace plexara
