#include "objects/object_control_win32.h"

namespace plexara {

void ObjectControl::Paint(HDC, int, int) {}

bool ObjectControl::HitTest(POINT local) const {
  const ObjectBounds bounds = Bounds();
  return local.x >= 0 && local.y >= 0 && local.x < bounds.width && local.y < bounds.height;
}

void ObjectControl::MouseDown(POINT, POINT screen) {
  if (events_) events_->ObjectMouseDown(*this, screen);
}

void ObjectControl::MouseUp(POINT, POINT screen) {
  if (events_) events_->ObjectMouseUp(*this, screen);
}

void ObjectControl::MouseMove(POINT, bool leftButtonDown, POINT screen) {
  if (events_) events_->ObjectMouseMove(*this, leftButtonDown, screen);
}

void ObjectControl::MouseEnter() {
  if (events_) events_->ObjectMouseEnter(*this);
}

void ObjectControl::MouseLeave() {
  if (events_) events_->ObjectMouseLeave(*this);
}

void ObjectControl::Click() {
  if (events_) events_->ObjectClick(*this);
}

bool ObjectControl::HandleChildMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void ObjectControl::StateChanged() {
  if (HWND child = Child()) {
    ShowWindow(child, Visible() ? SW_SHOWNA : SW_HIDE);
    EnableWindow(child, Enabled() ? TRUE : FALSE);
  } else {
    Repaint();
  }
}

void ObjectControl::Repaint() {
  if (events_) events_->InvalidateObject(*this);
}

}  // namespace plexara
