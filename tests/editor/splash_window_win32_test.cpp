#include "editor/splash_window_win32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "editor/splash_fade.h"
#include "support/automation_win32.h"

namespace plexara {
namespace {

// Pumps messages until `done`, noting the window's opacity after each message whenever it changed:
// every fade tick is one timer message, so every opacity the window is given from now on is seen.
std::vector<int> OpacitiesUntil(const TSplashForm& splash, const std::function<bool()>& done) {
  std::vector<int> seen = {splash.opacity()};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  auto note = [&] {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (splash.IsOpen() && GetLayeredWindowAttributes(splash.hwnd(), nullptr, &alpha, &flags)) {
      if (seen.back() != alpha) seen.push_back(alpha);
    } else if (!splash.IsOpen() && seen.back() != 0) {
      seen.push_back(splash.opacity());
    }
  };
  while (!done() && std::chrono::steady_clock::now() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      note();
    }
  }
  seen.erase(seen.begin());
  return seen;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return colour;
}

TEST(SplashWindow, FadesInStepByStepThenOutAndGoes) {
  TSplashForm splash;
  ASSERT_TRUE(splash.Show(true));
  EXPECT_EQ(splash.opacity(), 0);
  EXPECT_EQ(OpacitiesUntil(splash, [&] { return splash.opacity() == 255; }), SplashFadeInSequence());

  RedrawWindow(splash.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT box;
  GetWindowRect(splash.hwnd(), &box);
  testing_support::SaveWindowScreenshot(splash.hwnd(), "editor_splash");
  // There is no compositor here, so the screen shows the window as if opaque: white at the top,
  // the light blue at the bottom.
  EXPECT_EQ(ScreenPixel(box.left + 4, box.top + 1), RGB(255, 255, 255));
  const COLORREF bottom = ScreenPixel(box.left + 4, box.bottom - 2);
  EXPECT_NEAR(GetRValue(bottom), 160, 2);
  EXPECT_NEAR(GetGValue(bottom), 192, 2);
  EXPECT_EQ(GetBValue(bottom), 255);

  splash.Close();
  const std::vector<int> fadeOut = OpacitiesUntil(splash, [&] { return !splash.IsOpen(); });
  EXPECT_EQ(fadeOut, SplashFadeOutSequence());
  EXPECT_FALSE(splash.IsOpen());
}

TEST(SplashWindow, WithoutOpacityItAppearsAndGoesAtOnce) {
  TSplashForm splash;
  ASSERT_TRUE(splash.Show(false));
  EXPECT_EQ(splash.opacity(), 255);
  EXPECT_EQ(GetWindowLongA(splash.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  splash.Close();
  EXPECT_FALSE(splash.IsOpen());
}

}  // namespace
}  // namespace plexara
