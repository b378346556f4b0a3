// The sample project played by the real player under Wine: the main page appears as designed, and
// an image button shows its pointer-over and pressed pictures under the real pointer; and the whole
// sample plays through its splash screen, agreement form, main page with its menu bar, sub page and
// exit form. Screenshots of each state and form are kept under build/artifacts/ (scripts/demo runs
// the play-through to make them).
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "player/page_window_win32.h"
#include "sample/sample_project.h"
#include "support/automation_win32.h"
#include "support/dib_canvas_win32.h"
#include "support/player_driver_win32.h"

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
  ASSERT_TRUE(sample::WriteSampleProject(folder, sample::SampleForms::MainPageOnly));
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

// Clicks a drawn object of a page of another process at a point of its client area.
void ClickAt(HWND page, int x, int y) {
  HWND surface = FindWindowExA(page, nullptr, "TAutoRunSurface", nullptr);
  ASSERT_NE(surface, nullptr);
  PostMessageA(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(surface, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST(SamplePlayer, PlaysThroughItsForms) {
  using testing_support::AnswerBoxOk;
  using testing_support::ClickControl;
  using testing_support::ControlWithText;
  using testing_support::SaveWindowScreenshot;
  using testing_support::WaitForBox;
  using testing_support::WaitForGone;
  using testing_support::WaitForPage;
  const std::string folder = testing_support::MakeTempFolder("plexara-sample");
  ASSERT_TRUE(sample::WriteSampleProject(folder));
  ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BuildDir() + "\\Plexara.exe",
                                          folder + "\\autorun.exe"));
  ChildProcess player = ChildProcess::Start(folder + "\\autorun.exe");
  ASSERT_TRUE(player.started());
  const DWORD pid = player.id();
  // Lets a page finish fading in before its picture is taken.
  const auto settle = [] { WaitUntil([] { return false; }, 1500ms); };

  // The splash screen stays for its three seconds, then the agreement form asks.
  HWND splash = WaitForPage(pid, "Welcome", 30s);
  ASSERT_NE(splash, nullptr);
  settle();
  SaveWindowScreenshot(splash, "demo-1-splash");
  HWND agreement = WaitForPage(pid, sample::kAgreementCaption, 15s);
  ASSERT_NE(agreement, nullptr);
  EXPECT_FALSE(IsWindow(splash));
  settle();
  SaveWindowScreenshot(agreement, "demo-2-agreement");
  HWND decline = ControlWithText(agreement, sample::kDeclineCaption);
  HWND accept = ControlWithText(agreement, sample::kAcceptCaption);
  HWND submit = ControlWithText(agreement, sample::kContinueCaption);
  ASSERT_TRUE(decline && accept && submit);
  EXPECT_EQ(SendMessageA(decline, BM_GETCHECK, 0, 0), BST_CHECKED);
  ClickControl(submit);
  HWND box = WaitForBox(pid, "Invalid", 10s);
  ASSERT_NE(box, nullptr) << "the accepting radio button is required";
  SaveWindowScreenshot(box, "demo-3-agreement-refused");
  AnswerBoxOk(box);
  ASSERT_TRUE(WaitForGone(box, 10s));
  ClickControl(accept);
  ClickControl(submit);

  // The main page, with its menu bar.
  HWND main = WaitForPage(pid, sample::kMainCaption, 15s);
  ASSERT_NE(main, nullptr);
  // Menus belong to their process: only the bar's presence can be seen from here.
  EXPECT_NE(GetMenu(main), nullptr);
  settle();
  SaveWindowScreenshot(main, "demo-4-main-page");

  // "Details" opens the sub page modally; its "Close" returns.
  ClickAt(main, 60 + 20, 200 + 10);
  HWND details = WaitForPage(pid, "Details", 10s);
  ASSERT_NE(details, nullptr);
  settle();
  SaveWindowScreenshot(details, "demo-5-sub-page");
  ClickAt(details, 120 + 20, 200 + 10);
  ASSERT_TRUE(WaitForGone(details, 10s));

  // "Exit" asks the exit form; "Stay" keeps the menu, "Quit" ends it.
  ClickAt(main, 60 + 20, 320 + 10);
  HWND goodbye = WaitForPage(pid, sample::kExitFormCaption, 10s);
  ASSERT_NE(goodbye, nullptr);
  settle();
  SaveWindowScreenshot(goodbye, "demo-6-exit-form");
  ClickControl(ControlWithText(goodbye, sample::kStayCaption));
  ASSERT_TRUE(WaitForGone(goodbye, 10s));
  EXPECT_TRUE(IsWindow(main));
  ClickAt(main, 60 + 20, 320 + 10);
  goodbye = WaitForPage(pid, sample::kExitFormCaption, 10s);
  ASSERT_NE(goodbye, nullptr);
  ClickControl(ControlWithText(goodbye, sample::kQuitCaption));
  EXPECT_TRUE(player.WaitForExit(15s));
  EXPECT_EQ(player.ExitCode(), 0u);
  testing_support::RemoveTree(folder);
}

// The screen pixels of a rectangle of a window's client area.
std::unique_ptr<testing_support::DibCanvas> ScreenRect(HWND window, int left, int top, int width,
                                                       int height) {
  auto canvas = std::make_unique<testing_support::DibCanvas>(width, height, RGB(255, 0, 255));
  POINT origin{left, top};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  BitBlt(canvas->dc(), 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas;
}

int CountPixels(const testing_support::DibCanvas& canvas, bool (*test)(COLORREF)) {
  int count = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) count += test(canvas.At(x, y)) ? 1 : 0;
  }
  return count;
}

TEST(SamplePlayer, TextObjectsDrawAndMove) {
  const std::string folder = testing_support::MakeTempFolder("plexara-sample");
  ASSERT_TRUE(sample::WriteSampleProject(folder, sample::SampleForms::MainPageOnly));
  ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BuildDir() + "\\Plexara.exe",
                                          folder + "\\autorun.exe"));
  ChildProcess player = ChildProcess::Start(folder + "\\autorun.exe");
  ASSERT_TRUE(player.started());
  const std::string caption = sample::kMainCaption;
  std::vector<testing_support::WindowInfo> pages;
  ASSERT_TRUE(WaitUntil(
      [&] {
        pages = FindTopLevelWindows(kPageWindowClass, &caption, player.id());
        return !pages.empty();
      },
      30s));
  HWND page = pages[0].hwnd;
  WaitUntil([] { return false; }, 2s);  // faded in, the first line of the fading text shown

  // The title's gradient letters on the light banner.
  const auto title = ScreenRect(page, sample::kTitleLeft, sample::kTitleTop, 300, 40);
  EXPECT_GT(
      CountPixels(*title,
                  [](COLORREF c) { return Brightness(c) < 400 && GetBValue(c) > GetGValue(c); }),
      100);
  testing_support::SaveWindowScreenshot(page, "player-text-objects");

  // The scrolling text moves.
  const auto scrollBefore = ScreenRect(page, sample::kScrollLeft, sample::kScrollTop,
                                       sample::kScrollWidth, sample::kScrollHeight);
  WaitUntil([] { return false; }, 1s);
  const auto scrollAfter = ScreenRect(page, sample::kScrollLeft, sample::kScrollTop,
                                      sample::kScrollWidth, sample::kScrollHeight);
  int moved = 0;
  for (int y = 0; y < sample::kScrollHeight; ++y) {
    for (int x = 0; x < sample::kScrollWidth; ++x)
      moved += scrollBefore->At(x, y) != scrollAfter->At(x, y) ? 1 : 0;
  }
  EXPECT_GT(moved, 50) << "the scrolling text stands still";

  // The link turns yellow under the real pointer.
  POINT link{sample::kLinkLeft + 10, sample::kLinkTop + 8};
  ClientToScreen(page, &link);
  SetCursorPos(link.x, link.y);
  SendMouse(MOUSEEVENTF_MOVE);
  const auto yellow = [](COLORREF c) {
    return GetRValue(c) > 200 && GetGValue(c) > 170 && GetBValue(c) < 120;
  };
  EXPECT_TRUE(WaitUntil(
      [&] {
        return CountPixels(*ScreenRect(page, sample::kLinkLeft, sample::kLinkTop, 120, 22),
                           yellow) > 20;
      },
      5s))
      << "no hot look under the pointer";
  testing_support::SaveWindowScreenshot(page, "player-link-hot");
  SetCursorPos(link.x + 400, link.y);
  SendMouse(MOUSEEVENTF_MOVE);

  PostMessageA(page, WM_CLOSE, 0, 0);
  EXPECT_TRUE(player.WaitForExit(30s));
  testing_support::RemoveTree(folder);
}

}  // namespace
}  // namespace plexara
