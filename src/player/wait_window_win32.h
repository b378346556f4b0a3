// The "Please Wait..." window: while an action starts a program and waits for it to end, a small
// modal window tells the user why the menu does not react. The wait happens inside the window, on
// the user-interface thread, with every message still handled, so the windows behind it repaint.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "platform/shell_seam.h"

namespace plexara {

inline constexpr char kWaitWindowClass[] = "TWaitForm";
inline constexpr std::string_view kWaitWindowText = "Please Wait...";
inline constexpr int kWaitWindowWidth = 243;  // client area
inline constexpr int kWaitWindowHeight = 30;
inline constexpr std::uint8_t kWaitWindowOpacity = 200;

// Shows the wait window modally (the other windows of this thread are disabled meanwhile), runs
// the program through RunShellWaiting waiting for it to be idle and to end, closes the window and
// returns 1 once the program has been run; `status` receives the waiting run's outcome. A program
// that does not start closes the window at once.
std::uint8_t RunWithWaitWindow(std::string_view operation, std::string_view file,
                               std::string_view parameters, WaitingRunResult& status,
                               int showCommand, std::string_view folder);

}  // namespace plexara
