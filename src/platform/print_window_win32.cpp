#include "platform/print_window_win32.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "platform/gdi_objects_win32.h"

namespace plexara::win32 {
namespace {

// The frames child controls use, drawn as the system draws them.
void DrawFrame(HWND window, HDC dc, RECT frame) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
  // With visual styles a sunken control draws its theme's border in place of the 3-D edge.
  // Printing never asks the control for its frame, so the same theme part is drawn here.
  if (HTHEME theme = (exStyle & WS_EX_CLIENTEDGE) ? GetWindowTheme(window) : nullptr) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    const bool edit = lstrcmpiA(className, "Edit") == 0;
    const int state = !edit ? 0 : (style & WS_DISABLED) ? ETS_DISABLED : (style & ES_READONLY) ? ETS_READONLY : ETS_NORMAL;
    DrawThemeBackground(theme, dc, 0, state, &frame, nullptr);
    return;
  }
  if (exStyle & WS_EX_CLIENTEDGE) DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  if (exStyle & WS_EX_STATICEDGE) DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  if (style & WS_BORDER) FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
}

}  // namespace

bool PrintChildWindow(HWND window, HDC dc, int x, int y) {
  RECT outer;
  GetWindowRect(window, &outer);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  RECT client;
  GetClientRect(window, &client);
  POINT clientAt{0, 0};
  ClientToScreen(window, &clientAt);
  MemoryCanvas whole, inner;
  if (width <= 0 || height <= 0 || !whole.Resize(width, height)) return false;
  DrawFrame(window, whole.dc(), RECT{0, 0, width, height});
  if (client.right > 0 && client.bottom > 0 && inner.Resize(client.right, client.bottom)) {
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(inner.dc()),
                 PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    BitBlt(whole.dc(), clientAt.x - outer.left, clientAt.y - outer.top, client.right, client.bottom,
           inner.dc(), 0, 0, SRCCOPY);
  }
  BitBlt(dc, x, y, width, height, whole.dc(), 0, 0, SRCCOPY);
  return true;
}

}  // namespace plexara::win32
