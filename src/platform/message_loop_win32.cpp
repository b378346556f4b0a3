#include "platform/message_loop_win32.h"

namespace plexara::win32 {

namespace {

// Keys a text field needs for itself even where they are also command shortcuts (Del, and the
// clipboard and undo keys): while an edit control has them they edit its text.
bool EditFieldKeepsKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  char className[16] = {};
  GetClassNameA(msg.hwnd, className, sizeof(className));
  if (lstrcmpiA(className, "Edit") != 0) return false;
  if (msg.wParam == VK_DELETE || msg.wParam == VK_INSERT) return true;
  const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  return control && (msg.wParam == 'C' || msg.wParam == 'V' || msg.wParam == 'X' || msg.wParam == 'A' ||
                     msg.wParam == 'Z');
}

}  // namespace

int RunMessageLoop(HWND window, HACCEL accelerators) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (accelerators != nullptr && window != nullptr && IsWindow(window) &&
        (msg.hwnd == window || IsChild(window, msg.hwnd)) && !EditFieldKeepsKey(msg) &&
        TranslateAcceleratorA(window, accelerators, &msg)) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace plexara::win32
