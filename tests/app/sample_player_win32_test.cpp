// The sample project played by the real player under Wine: the main page appears as designed, and
// an image button shows its pointer-over and pressed pictures under the real pointer. Screenshots
// of each state are kept under build/artifacts/.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "player/page_window_win32.h"
#include "sample/sample_project.h"
#include "support/automation_win32.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::ChildProcess;
using testing_support::FindTopLevelWindows;
using testing_support::WaitUntil;

COLORREF ScreenPixel(POINT p) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}

TEST(SamplePlayer, MainPageShowsAndImageButtonsFollowThePointer) {
  const std::string folder = testing_support::MakeTempFolder("plexara-sample");
  ASSERT_TRUE(sample::WriteSampleProject(folder));
  ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BuildDir() + "\\Plexara.exe", folder + "\\autorun.exe"));
  ChildProcess player = ChildProcess::Start(folder + "\\autorun.exe");
  ASSERT_TRUE(player.started());

  const std::string caption = sample::kMainCaption;
  std::vector<testing_support::WindowInfo> pages;
  ASSERT_TRUE(WaitUntil([&] {
    pages = FindTopLevelWindows(kPageWindowClass, &caption, player.id());
    return !pages.empty();
  }, 30s));
  HWND page = pages[0].hwnd;
  RECT client;
  GetClientRect(page, &client);
  const auto at = [&](int x, int y) {
    POINT p{x, y};
    ClientToScreen(page, &p);
    return p;
  };
  // The gradient runs from the dark top to the light bottom of the page.
  ASSERT_TRUE(WaitUntil([&] { return Brightness(ScreenPixel(at(300, 5))) < Brightness(ScreenPixel(at(300, client.bottom - 5))); }, 10s));
  testing_support::SaveWindowScreenshot(page, "player-main-page");

  // The "Install" button: normal, then brighter under the pointer, then darker while pressed.
  const POINT button = at(60 + 20, 140 + 10);
  const COLORREF normal = ScreenPixel(button);
  SetCursorPos(button.x, button.y);
  SendMouse(MOUSEEVENTF_MOVE);
  EXPECT_TRUE(WaitUntil([&] { return Brightness(ScreenPixel(button)) > Brightness(normal) + 60; }, 5s))
      << "no pointer-over picture";
  testing_support::SaveWindowScreenshot(page, "player-button-hover");
  const COLORREF hover = ScreenPixel(button);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  EXPECT_TRUE(WaitUntil([&] { return Brightness(ScreenPixel(button)) < Brightness(hover) - 60; }, 5s))
      << "no pressed picture";
  testing_support::SaveWindowScreenshot(page, "player-button-pressed");
  // Let go away from the button, so no click happens.
  SetCursorPos(button.x + 300, button.y + 250);
  SendMouse(MOUSEEVENTF_MOVE);
  SendMouse(MOUSEEVENTF_LEFTUP);

  PostMessageA(page, WM_CLOSE, 0, 0);
  EXPECT_TRUE(player.WaitForExit(30s));
  EXPECT_EQ(player.ExitCode(), 0u);
  testing_support::RemoveTree(folder);
}

}  // namespace
}  // namespace plexara
