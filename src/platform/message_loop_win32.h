// The one application message loop: dialog navigation for modeless dialogs and accelerators come
// through here as the windows that need them arrive.
#pragma once

#include <windows.h>

namespace plexara::win32 {

// Runs until WM_QUIT; returns its exit code. Keys for `window` or any window inside it go through
// `accelerators` first when a table is given.
int RunMessageLoop(HWND window = nullptr, HACCEL accelerators = nullptr);

}  // namespace plexara::win32
