#include "platform/message_loop_win32.h"

namespace plexara::win32 {

int RunMessageLoop(HWND window, HACCEL accelerators) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (accelerators != nullptr && window != nullptr && IsWindow(window) &&
        (msg.hwnd == window || IsChild(window, msg.hwnd)) && TranslateAcceleratorA(window, accelerators, &msg)) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace plexara::win32
