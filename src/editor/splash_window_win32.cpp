#include "editor/splash_window_win32.h"

#include "editor/splash_fade.h"
#include "platform/app_resources.h"
#include "platform/gdi_objects_win32.h"
#include "storage/gradient.h"
#include "storage/startup_context.h"

namespace plexara {
namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr int kGradientTopDown = 1;  // GradientFill style 1: first colour at the top
constexpr Bgra kTopColour{255, 255, 255, 255};
constexpr Bgra kBottomColour{255, 192, 160, 255};  // RGB(160, 192, 255)

int Scaled(int value) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return MulDiv(value, dpi, 96);
}

}  // namespace

TSplashForm::~TSplashForm() {
  if (titleFont_ != nullptr) DeleteObject(titleFont_);
}

bool TSplashForm::Show(bool layeredWindows) {
  layered_ = layeredWindows;
  const int width = Scaled(360), height = Scaled(200);
  CreateArgs args;
  args.className = "TSplashForm";
  args.title = std::string(kEditorTitle);
  args.style = WS_POPUP | WS_BORDER;
  args.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | (layered_ ? WS_EX_LAYERED : 0);
  args.x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  args.y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  args.width = width;
  args.height = height;
  if (!Create(args)) return false;
  titleFont_ = CreateFontA(-Scaled(40), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                           CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
  SetOpacity(layered_ ? 0 : 255);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd());
  if (layered_) SetTimer(hwnd(), kFadeTimer, kSplashTickMs, nullptr);
  return true;
}

void TSplashForm::Close() {
  if (hwnd() == nullptr) return;
  if (!layered_) {
    Destroy();
    return;
  }
  closing_ = true;
  SetTimer(hwnd(), kFadeTimer, kSplashTickMs, nullptr);
}

void TSplashForm::SetOpacity(int opacity) {
  opacity_ = opacity;
  if (layered_) SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(opacity), LWA_ALPHA);
}

void TSplashForm::Timer1Timer() {
  if (closing_) {
    SetOpacity(SplashFadeOutNext(opacity_));
    if (opacity_ == 0) Destroy();
    return;
  }
  SetOpacity(SplashFadeInNext(opacity_));
  if (opacity_ == 255) KillTimer(hwnd(), kFadeTimer);
}

LRESULT TSplashForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kFadeTimer) {
    Timer1Timer();
    return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void TSplashForm::Paint(HDC dc, const RECT& client) {
  const GradientLines lines = GradientFillLines(kGradientTopDown, kTopColour, kBottomColour,
                                                {client.left, client.top, client.right, client.bottom});
  for (std::size_t i = 0; i < lines.colors.size(); ++i) {
    const Bgra c = lines.colors[i];
    GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(c.r, c.g, c.b)));
    const int y = lines.first + static_cast<int>(i);
    const RECT line{client.left, y, client.right, y + 1};
    FillRect(dc, &line, brush.get());
  }
  const int iconSize = Scaled(48);
  HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(PLEXARA_ICON_APPLICATION),
                                             IMAGE_ICON, iconSize, iconSize, 0));
  const int iconTop = (client.bottom - iconSize) / 2;
  if (icon != nullptr) {
    DrawIconEx(dc, Scaled(36), iconTop, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(25, 60, 160));
  SelectIn font(dc, titleFont_);
  RECT text{Scaled(36) + iconSize + Scaled(20), client.top, client.right - Scaled(20), client.bottom};
  const std::string title(kEditorTitle);
  DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace plexara
