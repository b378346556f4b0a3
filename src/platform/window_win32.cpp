#include "platform/window_win32.h"

namespace plexara::win32 {
namespace {

bool EnsureClassRegistered(const Window::CreateArgs& args, WNDPROC proc) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (GetClassInfoExA(instance, args.className, &existing)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = args.classStyle;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = args.icon;
  wc.hbrBackground = nullptr;  // Paint draws every pixel
  wc.lpszClassName = args.className;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (hwnd_ != nullptr) {
    HWND hwnd = hwnd_;
    DestroyWindow(hwnd);  // WM_NCDESTROY clears hwnd_
    hwnd_ = nullptr;
  }
}

bool Window::Create(const CreateArgs& args) {
  if (!EnsureClassRegistered(args, &Window::StaticWndProc)) return false;
  HWND hwnd = CreateWindowExA(args.exStyle, args.className, args.title.c_str(), args.style, args.x, args.y,
                              args.width, args.height, args.parent, nullptr, GetModuleHandleA(nullptr), this);
  return hwnd != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // Paint covers the whole client area
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      RECT client;
      GetClientRect(hwnd_, &client);
      Paint(dc, client);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd_, &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    default:
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

void Window::Paint(HDC dc, const RECT& client) { FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE)); }

LRESULT CALLBACK Window::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<Window*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_DESTROY) self->OnDestroy();
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

}  // namespace plexara::win32
