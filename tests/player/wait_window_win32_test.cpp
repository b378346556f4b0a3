// The wait window under Wine with the real shell: a file-list entry that waits shows "Please
// Wait..." until the started program (a small helper of ours) has ended; a program that does not
// start closes it at once and the error is reported.
#include "player/wait_window_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "platform/shell_win32.h"
#include "player/action_executor_win32.h"
#include "storage/startup_context.h"
#include "support/automation_win32.h"
#include "support/recording_reporter.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// What the wait window looked like, sampled by a timer from inside its own message loop.
struct Sample {
  bool seen = false;
  bool programRunningMeanwhile = false;
  RECT client{};
  BYTE opacity = 0;
  std::string text;
};
Sample sample;
std::string marker;

void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD) {
  HWND wait = FindWindowA(kWaitWindowClass, nullptr);
  if (wait == nullptr || !IsWindowVisible(wait)) return;
  sample.seen = true;
  if (!Exists(marker)) sample.programRunningMeanwhile = true;
  GetClientRect(wait, &sample.client);
  GetLayeredWindowAttributes(wait, nullptr, &sample.opacity, nullptr);
  char text[64] = {};
  GetWindowTextA(wait, text, sizeof(text));
  sample.text = text;
}

TEST(WaitWindow, ShownUntilTheStartedProgramEnds) {
  win32::Win32Shell shell;
  Shell* previousShell = SetShell(&shell);
  const bool layered = Context().layeredWindows;
  Context().layeredWindows = true;
  testing_support::ScopedRecording boxes;
  const std::string folder = testing_support::MakeTempFolder("plexara-wait");
  ASSERT_TRUE(testing_support::CopyFileTo(
      testing_support::BuildDir() + "\\tests\\plexara_wait_helper.exe", folder + "\\helper.exe"));
  marker = folder + "\\ended.txt";
  {
    StartupContext context;
    context.projectRoot = folder;
    TAutoRunForm window(context);
    window.SetPage(PageData{});
    ASSERT_TRUE(window.CreatePageWindow(nullptr, false));
    window.ShowPage();

    TCommand run;
    run.actionKind = kActionOpenRunFile;
    run.actionTarget = std::string("helper.exe\x01") + "1500 \"" + marker + "\"\x01\x01Y\x01\x02";
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, Look);
    const auto start = std::chrono::steady_clock::now();
    ExecuteAction(window, run);
    const auto waited = std::chrono::steady_clock::now() - start;
    KillTimer(nullptr, timer);

    EXPECT_TRUE(sample.seen);
    EXPECT_TRUE(sample.programRunningMeanwhile);
    EXPECT_TRUE(Exists(marker)) << "the program ended before the action returned";
    EXPECT_GE(waited, 1400ms);
    EXPECT_EQ(FindWindowA(kWaitWindowClass, nullptr), nullptr);
    EXPECT_EQ(sample.client.right, kWaitWindowWidth);
    EXPECT_EQ(sample.client.bottom, kWaitWindowHeight);
    EXPECT_EQ(sample.opacity, kWaitWindowOpacity);
    EXPECT_EQ(sample.text, "Please Wait...");
    EXPECT_TRUE(testing_support::Recorder().boxes.empty());
    EXPECT_TRUE(IsWindowEnabled(window.hwnd())) << "the menu takes input again";

    // A program that is not there: the window closes at once and the error is reported.
    run.actionTarget = std::string("missing.exe\x01\x01\x01Y\x01\x02");
    const auto failedStart = std::chrono::steady_clock::now();
    ExecuteAction(window, run);
    EXPECT_LT(std::chrono::steady_clock::now() - failedStart, 3s);
    ASSERT_EQ(testing_support::Recorder().boxes.size(), 1u);
    EXPECT_EQ(testing_support::Recorder().boxes[0].text, "The specified file was not found.");
    EXPECT_EQ(FindWindowA(kWaitWindowClass, nullptr), nullptr);
  }
  Context().layeredWindows = layered;
  SetShell(previousShell);
  testing_support::RemoveTree(folder);
}

}  // namespace
}  // namespace plexara
