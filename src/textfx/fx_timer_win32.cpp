#include "textfx/fx_timer_win32.h"

#include <windows.h>

#include <memory>

namespace plexara {
namespace {

constexpr char kTimerWindowClass[] = "TFxTimerWindow";
constexpr UINT kSyncPassMessage = WM_APP + 0x46;

TFxTimerService* service = nullptr;

LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSyncPassMessage) {
    if (service != nullptr) service->FireDue(true);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class PostingDispatcher final : public TFxTimerDispatcher {
 public:
  PostingDispatcher() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = TimerWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kTimerWindowClass;
    RegisterClassExA(&wc);
    window_ = CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  }
  // Called on the timer thread; posting never blocks.
  void RequestSyncPass() override {
    if (window_ != nullptr) PostMessageA(window_, kSyncPassMessage, 0, 0);
  }

 private:
  HWND window_ = nullptr;
};

struct Win32Timers {
  PostingDispatcher dispatcher;  // made first, so the thread never sees it missing
  TFxTimerService timers{SteadyTimerClock(), &dispatcher, true};
  Win32Timers() { service = &timers; }
  ~Win32Timers() { service = nullptr; }
};

}  // namespace

TFxTimerService& Win32FxTimerService() {
  static Win32Timers instance;
  return instance.timers;
}

}  // namespace plexara
