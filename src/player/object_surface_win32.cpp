#include "player/object_surface_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "platform/picture_draw_win32.h"
#include "player/paint_areas.h"

namespace plexara {
namespace {

constexpr char kSurfaceClass[] = "TAutoRunSurface";

POINT ToScreen(HWND hwnd, POINT client) {
  ClientToScreen(hwnd, &client);
  return client;
}

// Controls the surface paints: drawn kinds that are shown.
bool Painted(const ObjectControl& control) { return !control.Windowed() && control.Visible(); }

RECT RectOf(const PaintArea& area) { return RECT{area.left, area.top, area.right, area.bottom}; }

// The rectangles of a region, as GetRegionData lists them.
std::vector<PaintArea> RegionAreas(HRGN region) {
  std::vector<PaintArea> areas;
  const DWORD size = GetRegionData(region, 0, nullptr);
  if (size < sizeof(RGNDATAHEADER)) return areas;
  std::vector<unsigned char> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  if (GetRegionData(region, size, data) == 0) return areas;
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    areas.push_back(PaintArea{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  return areas;
}

POINT Local(const ObjectControl& control, POINT client) {
  const ObjectBounds bounds = control.Bounds();
  return POINT{client.x - bounds.left, client.y - bounds.top};
}

}  // namespace

bool ObjectSurface::CreateOn(HWND page, SurfaceEvents& events) {
  events_ = &events;
  RECT client;
  GetClientRect(page, &client);
  CreateArgs args;
  args.className = kSurfaceClass;
  args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  args.x = 0;
  args.y = 0;
  args.width = client.right;
  args.height = client.bottom;
  args.parent = page;
  return Create(args);
}

void ObjectSurface::SetControls(std::vector<ObjectControl*> controls) {
  controls_ = std::move(controls);
  paintedOnce_.assign(controls_.size(), false);
  hovered_ = nullptr;
  pressed_ = nullptr;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void ObjectSurface::SetBackground(Bitmap background) {
  background_ = std::move(background);
  const RECT whole{0, 0, background_.width(), background_.height()};
  if (!background_.empty() && backgroundCopy_.Resize(whole.right, whole.bottom))
    DrawBitmap(backgroundCopy_.dc(), background_, whole, BitmapBlend::Opaque);
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void ObjectSurface::InvalidateControl(const ObjectControl& control) {
  if (!hwnd()) return;
  const ObjectBounds b = control.Bounds();
  const RECT r{b.left, b.top, b.left + b.width, b.top + b.height};
  InvalidateRect(hwnd(), &r, FALSE);
}

ObjectControl* ObjectSurface::DrawnControlAt(POINT client) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    ObjectControl* control = *it;
    if (control->Windowed() || !control->Visible()) continue;
    const ObjectBounds b = control->Bounds();
    if (b.Contains(client.x, client.y) && control->HitTest(Local(*control, client))) return control;
  }
  return nullptr;
}

void ObjectSurface::Render(const RECT& area) {
  HDC buffer = backBuffer_.dc();
  SavedDc saved(buffer);
  IntersectClipRect(buffer, area.left, area.top, area.right, area.bottom);
  FillRect(buffer, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT part;
  const RECT background{0, 0, backgroundCopy_.width(), backgroundCopy_.height()};
  if (!background_.empty() && IntersectRect(&part, &area, &background)) {
    BitBlt(buffer, part.left, part.top, part.right - part.left, part.bottom - part.top,
           backgroundCopy_.dc(), part.left, part.top, SRCCOPY);
  }
  const PaintArea target{area.left, area.top, area.right, area.bottom};
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    ObjectControl* control = controls_[i];
    if (!Painted(*control)) continue;
    const ObjectBounds b = control->Bounds();
    if (b.width <= 0 || b.height <= 0) continue;
    // A control's first paint loads it (a text sizes itself, a fading line starts), wherever it
    // lies, so one never painted is painted whatever the area; the clip keeps its pixels out.
    if (!AreaOf(b).Meets(target) && paintedOnce_[i]) continue;
    paintedOnce_[i] = true;
    SavedDc savedControl(buffer);
    SetViewportOrgEx(buffer, b.left, b.top, nullptr);
    IntersectClipRect(buffer, 0, 0, b.width, b.height);
    control->Paint(buffer, b.width, b.height);
  }
}

void ObjectSurface::PaintAll(HDC dc, const RECT& client) {
  const int width = client.right - client.left, height = client.bottom - client.top;
  if (width <= 0 || height <= 0 || !backBuffer_.Resize(width, height)) return;
  Render(client);
  BitBlt(dc, 0, 0, width, height, backBuffer_.dc(), 0, 0, SRCCOPY);
}

void ObjectSurface::Paint(HDC dc, const RECT& client) { PaintAll(dc, client); }

void ObjectSurface::PaintUpdate() {
  RECT client;
  GetClientRect(hwnd(), &client);
  std::vector<PaintArea> areas;
  if (backBuffer_.Resize(client.right, client.bottom)) {
    GdiObject<HRGN> update(CreateRectRgn(0, 0, 0, 0));
    if (update && GetUpdateRgn(hwnd(), update.get(), FALSE) > NULLREGION) {
      std::vector<PaintArea> objects;
      for (const ObjectControl* control : controls_) {
        if (Painted(*control)) objects.push_back(AreaOf(control->Bounds()));
      }
      areas = GrowPaintAreas(RegionAreas(update.get()), objects,
                             PaintArea{0, 0, client.right, client.bottom});
    }
    // What an area grew by goes to the screen with the rest, so the screen and what was rendered
    // never disagree.
    for (const PaintArea& area : areas) {
      const RECT r = RectOf(area);
      InvalidateRect(hwnd(), &r, FALSE);
    }
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  for (const PaintArea& area : areas) {
    const RECT r = RectOf(area);
    Render(r);
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, backBuffer_.dc(), r.left, r.top,
           SRCCOPY);
    paintCounters_.pixels += area.Pixels();
  }
  ++paintCounters_.paints;
  EndPaint(hwnd(), &ps);
}

void ObjectSurface::SetHovered(ObjectControl* control) {
  if (control == hovered_) return;
  ObjectControl* left = hovered_;
  hovered_ = control;
  if (left) left->MouseLeave();
  if (control) control->MouseEnter();
}

void ObjectSurface::PointerMoved(POINT client, bool leftButtonDown) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  // While a press is captured only the pressed control sees the pointer, wherever it is.
  if (pressed_) {
    pressed_->MouseMove(Local(*pressed_, client), leftButtonDown, ToScreen(hwnd(), client));
    return;
  }
  ObjectControl* under = DrawnControlAt(client);
  if (under && !under->Enabled()) under = nullptr;
  SetHovered(under);
  if (under) {
    under->MouseMove(Local(*under, client), leftButtonDown, ToScreen(hwnd(), client));
  } else if (events_) {
    events_->BackgroundMouseMove();
  }
}

ObjectControl* ObjectSurface::ControlOfChild(HWND child) const {
  if (child == nullptr) return nullptr;
  for (ObjectControl* control : controls_) {
    if (control->Windowed() && control->Child() == child) return control;
  }
  return nullptr;
}

LRESULT ObjectSurface::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintUpdate();
    return 0;
  }
  const POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_MOUSEMOVE:
      PointerMoved(client, (wParam & MK_LBUTTON) != 0);
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (!pressed_) SetHovered(nullptr);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      ObjectControl* under = DrawnControlAt(client);
      if (under && !under->Enabled()) under = nullptr;
      SetCapture(hwnd());
      if (under) {
        SetHovered(under);
        pressed_ = under;
        under->MouseDown(Local(*under, client), ToScreen(hwnd(), client));
      } else {
        pressedOnBackground_ = true;
      }
      return 0;
    }
    case WM_LBUTTONUP: {
      ObjectControl* pressed = std::exchange(pressed_, nullptr);
      const bool background = std::exchange(pressedOnBackground_, false);
      if (GetCapture() == hwnd()) ReleaseCapture();
      if (pressed) {
        const bool over = DrawnControlAt(client) == pressed;
        // The click comes first, so an ImageButton draws itself up before its action runs.
        if (over) pressed->Click();
        pressed->MouseUp(Local(*pressed, client), ToScreen(hwnd(), client));
      } else if (background && !DrawnControlAt(client) && events_) {
        events_->BackgroundClick();
      }
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd() && events_) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd(), &p);
        HCURSOR cursor = events_->CursorFor(DrawnControlAt(p));
        SetCursor(cursor ? cursor : LoadCursor(nullptr, IDC_ARROW));
        return TRUE;
      }
      // A windowed object asks its parent first: the hand of an object with an action, or its own
      // cursor file, wins over the child's class pointer.
      if (LOWORD(lParam) == HTCLIENT && events_) {
        if (const ObjectControl* control = ControlOfChild(reinterpret_cast<HWND>(wParam))) {
          if (HCURSOR cursor = events_->CursorFor(control)) {
            SetCursor(cursor);
            return TRUE;
          }
        }
      }
      return DefWindowProcA(hwnd(), message, wParam, lParam);
    case WM_CAPTURECHANGED:
      pressed_ = nullptr;
      pressedOnBackground_ = false;
      return 0;
    case WM_COMMAND:
    case WM_NOTIFY: {
      HWND child = message == WM_COMMAND ? reinterpret_cast<HWND>(lParam) : reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
      LRESULT result = 0;
      if (ObjectControl* control = ControlOfChild(child)) {
        if (control->HandleChildMessage(message, wParam, lParam, result)) return result;
      } else if (message == WM_NOTIFY && events_ &&
                 events_->SurfaceNotify(*reinterpret_cast<NMHDR*>(lParam), result)) {
        return result;
      }
      return DefWindowProcA(hwnd(), message, wParam, lParam);
    }
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace plexara
