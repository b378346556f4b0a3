#include "editor/splitter_win32.h"

#include <windowsx.h>

namespace plexara {

bool Splitter::Create(HWND parent, Axis axis, Moved moved) {
  axis_ = axis;
  moved_ = std::move(moved);
  CreateArgs args;
  args.className = axis == Axis::Vertical ? "TSplitterV" : "TSplitterH";
  args.style = WS_CHILD | WS_VISIBLE;
  args.parent = parent;
  args.x = args.y = 0;
  args.width = args.height = kThickness;
  return Window::Create(args);
}

int Splitter::PositionInParent(LPARAM lParam) const {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  MapWindowPoints(hwnd(), GetParent(hwnd()), &p, 1);
  return axis_ == Axis::Vertical ? p.x : p.y;
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursor(nullptr, axis_ == Axis::Vertical ? IDC_SIZEWE : IDC_SIZENS));
      return TRUE;
    case WM_LBUTTONDOWN:
      dragging_ = true;
      grabOffset_ = axis_ == Axis::Vertical ? GET_X_LPARAM(lParam) : GET_Y_LPARAM(lParam);
      SetCapture(hwnd());
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_ && moved_) moved_(PositionInParent(lParam) - grabOffset_);
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (dragging_) {
        dragging_ = false;
        if (GetCapture() == hwnd()) ReleaseCapture();
      }
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace plexara
