#include "objects/object_control_win32.h"

namespace plexara {

// The record held always has a kind code of the table, so every control finds its row.
ObjectControl::ObjectControl(ObjectData& data) : data_(&data), reportedEvents_(FindKind(data.kind())->events) {}

bool ObjectControl::Windowed() const { return FindKind(kind())->windowed; }

void ObjectControl::Paint(HDC, int, int) {}

bool ObjectControl::HitTest(POINT local) const {
  const ObjectBounds bounds = Bounds();
  return local.x >= 0 && local.y >= 0 && local.x < bounds.width && local.y < bounds.height;
}

void ObjectControl::MouseDown(POINT, POINT screen) {
  if (events_ && Reports(kEventPress)) events_->ObjectMouseDown(*this, screen);
}

void ObjectControl::MouseUp(POINT, POINT screen) {
  if (events_ && Reports(kEventRelease)) events_->ObjectMouseUp(*this, screen);
}

void ObjectControl::MouseMove(POINT, bool leftButtonDown, POINT screen) {
  if (events_ && Reports(kEventMove)) events_->ObjectMouseMove(*this, leftButtonDown, screen);
}

void ObjectControl::MouseEnter() {
  if (events_ && Reports(kEventEnter)) events_->ObjectMouseEnter(*this);
}

void ObjectControl::MouseLeave() {
  if (events_ && Reports(kEventLeave)) events_->ObjectMouseLeave(*this);
}

void ObjectControl::Click() {
  if (events_ && Reports(kEventClick)) events_->ObjectClick(*this);
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

void ObjectControl::SetDesignShown(bool shown) {
  designShown_ = shown;
  StateChanged();
}

void ObjectControl::Repaint() {
  if (events_) events_->InvalidateObject(*this);
}

}  // namespace plexara
