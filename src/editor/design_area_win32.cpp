#include "editor/design_area_win32.h"

#include <algorithm>


namespace plexara {
namespace {

constexpr int kLineStep = 16;
constexpr int kMargin = 16;  // room beyond the design window so its border can always be reached

}  // namespace

COLORREF ColorToRgb(std::int32_t color) {
  const auto bits = static_cast<std::uint32_t>(color);
  if (bits & 0x80000000u) return GetSysColor(static_cast<int>(bits & 0xFFu));
  return static_cast<COLORREF>(bits & 0x00FFFFFFu);
}

bool DesignArea::Create(HWND parent, std::int32_t backColor) {
  backColor_ = backColor;
  CreateArgs args;
  args.className = "TDesignArea";
  args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;
  args.exStyle = WS_EX_CLIENTEDGE;
  args.parent = parent;
  args.x = args.y = 0;
  args.width = args.height = 10;
  return Window::Create(args);
}

void DesignArea::RepaintBackground() {
  // The design window is a child; only the area around it is painted (WS_CLIPCHILDREN).
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

void DesignArea::UpdateScrollRanges(const RECT& designWindowInArea) {
  extent_.cx = designWindowInArea.right + scroll_.x + kMargin;
  extent_.cy = designWindowInArea.bottom + scroll_.y + kMargin;
  RECT client;
  GetClientRect(hwnd(), &client);
  for (int bar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO info{sizeof(info)};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = bar == SB_HORZ ? extent_.cx : extent_.cy;
    info.nPage = static_cast<UINT>(bar == SB_HORZ ? client.right : client.bottom);
    info.nPos = bar == SB_HORZ ? scroll_.x : scroll_.y;
    SetScrollInfo(hwnd(), bar, &info, TRUE);
  }
}

void DesignArea::ScrollBy(int bar, int delta) {
  RECT client;
  GetClientRect(hwnd(), &client);
  LONG& position = bar == SB_HORZ ? scroll_.x : scroll_.y;
  const int limit = std::max<int>(0, (bar == SB_HORZ ? extent_.cx - client.right : extent_.cy - client.bottom) + 1);
  const int wanted = std::clamp<int>(position + delta, 0, limit);
  const int moved = wanted - position;
  if (moved == 0) return;
  position = wanted;
  SetScrollPos(hwnd(), bar, wanted, TRUE);
  ScrollWindowEx(hwnd(), bar == SB_HORZ ? -moved : 0, bar == SB_VERT ? -moved : 0, nullptr, nullptr, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE);
  if (scrolled_) scrolled_();
}

LRESULT DesignArea::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
      SCROLLINFO info{sizeof(info)};
      info.fMask = SIF_ALL;
      GetScrollInfo(hwnd(), bar, &info);
      int delta = 0;
      switch (LOWORD(wParam)) {
        case SB_LINEUP: delta = -kLineStep; break;
        case SB_LINEDOWN: delta = kLineStep; break;
        case SB_PAGEUP: delta = -static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: delta = static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: delta = info.nTrackPos - info.nPos; break;
        default: break;
      }
      ScrollBy(bar, delta);
      return 0;
    }
    case WM_MOUSEWHEEL:
      ScrollBy(SB_VERT, -GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3 * kLineStep);
      return 0;
    case WM_SIZE:
      if (scrolled_) scrolled_();
      return Window::HandleMessage(message, wParam, lParam);
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

void DesignArea::Paint(HDC dc, const RECT& client) {
  HDC target = buffer_.Resize(client.right, client.bottom) ? buffer_.dc() : dc;
  if (painter_) {
    painter_(target, client);
  } else {
    HBRUSH brush = CreateSolidBrush(ColorToRgb(backColor_));
    FillRect(target, &client, brush);
    DeleteObject(brush);
  }
  if (target != dc) BitBlt(dc, 0, 0, client.right, client.bottom, target, 0, 0, SRCCOPY);
}

}  // namespace plexara
