#include "textfx/fx_timer_win32.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

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

// The thread waits 1 ms at a time, but the system's timer ticks every 15.6 ms or so unless asked
// for a finer resolution, which costs power: it is asked for only while some text timer runs.
class SystemTimerResolution final : public TFxTimerActivity {
 public:
  void TimersRunning(bool running) override {
    if (running) {
      timeBeginPeriod(1);
    } else {
      timeEndPeriod(1);
    }
  }
};

struct Win32Timers {
  PostingDispatcher dispatcher;  // made first, so the thread never sees it missing
  SystemTimerResolution resolution;
  TFxTimerService timers{SteadyTimerClock(), &dispatcher, true, &resolution};
  Win32Timers() { service = &timers; }
  ~Win32Timers() { service = nullptr; }
};

}  // namespace

TFxTimerService& Win32FxTimerService() {
  static Win32Timers instance;
  return instance.timers;
}

}  // namespace plexara
