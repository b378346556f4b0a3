#include "player/wait_window_win32.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/window_win32.h"
#include "player/action_shell.h"
#include "storage/startup_context.h"

namespace plexara {
namespace {

constexpr UINT_PTR kRunTimer = 1;
constexpr UINT kRunTimerMs = 10;
constexpr int kTextLeft = 80;
constexpr int kTextTop = 8;

class TWaitForm final : public win32::Window {
 public:
  TWaitForm(std::string_view operation, std::string_view file, std::string_view parameters,
            int showCommand, std::string_view folder)
      : operation_(operation),
        file_(file),
        parameters_(parameters),
        folder_(folder),
        showCommand_(showCommand) {}
  ~TWaitForm() override {
    Destroy();
    if (font_) DeleteObject(font_);
  }

  bool Open() {
    RECT frame{0, 0, kWaitWindowWidth, kWaitWindowHeight};
    AdjustWindowRectEx(&frame, WS_POPUP, FALSE, WS_EX_TOOLWINDOW);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    CreateArgs args;
    args.className = kWaitWindowClass;
    args.title = std::string(kWaitWindowText);
    args.style = WS_POPUP;
    // Not topmost: the program it waits for must be able to come in front of it.
    args.exStyle = WS_EX_TOOLWINDOW | (Context().layeredWindows ? WS_EX_LAYERED : 0);
    args.x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    args.y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    args.width = width;
    args.height = height;
    if (!Create(args)) return false;
    if (Context().layeredWindows)
      SetLayeredWindowAttributes(hwnd(), 0, kWaitWindowOpacity, LWA_ALPHA);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
      metrics.lfMessageFont.lfWeight = FW_BOLD;
      font_ = CreateFontIndirectA(&metrics.lfMessageFont);
    }
    return true;
  }

  // Shows the window and handles messages until it is gone; the run starts from its timer, so
  // the window is painted before the wait begins.
  void ShowModal() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    SetTimer(hwnd(), kRunTimer, kRunTimerMs, nullptr);
    MSG msg;
    while (IsWindow(hwnd())) {
      const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
      if (got <= 0) {
        // The application is ending: leave the quit for the loop that owns it.
        if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

  // The windows this one keeps disabled while it is shown.
  void DisableOthers(std::vector<HWND> windows) {
    disabled_ = std::move(windows);
    for (HWND window : disabled_) EnableWindow(window, FALSE);
  }
  void EnableOthers() {
    for (HWND window : disabled_) {
      if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    disabled_.clear();
  }

  std::uint8_t done() const { return done_; }
  const WaitingRunResult& status() const { return status_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_TIMER:
        if (wParam == kRunTimer) Run();
        return 0;
      case WM_CLOSE:
        // Only the finished run closes the window; the user cannot end the wait.
        if (done_) {
          // Enabled again before the window goes, so activation returns to the menu.
          EnableOthers();
          DestroyWindow(hwnd());
        }
        return 0;
      default:
        return Window::HandleMessage(message, wParam, lParam);
    }
  }

  void Paint(HDC dc, const RECT& client) override {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ old = font_ ? SelectObject(dc, font_) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TextOutA(dc, kTextLeft, kTextTop, kWaitWindowText.data(),
             static_cast<int>(kWaitWindowText.size()));
    if (old) SelectObject(dc, old);
  }

 private:
  void Run() {
    KillTimer(hwnd(), kRunTimer);
    if (done_) return;
    status_ = RunShellWaiting(operation_, file_, parameters_, showCommand_, /*waitForIdle=*/true,
                              /*waitForExit=*/true, folder_);
    done_ = 1;
    PostMessageA(hwnd(), WM_CLOSE, 0, 0);
  }

  std::string operation_;
  std::string file_;
  std::string parameters_;
  std::string folder_;
  int showCommand_;
  HFONT font_ = nullptr;
  std::uint8_t done_ = 0;
  WaitingRunResult status_;
  std::vector<HWND> disabled_;
};

// The enabled, visible top-level windows of this thread, which a modal window disables.
BOOL CALLBACK CollectEnabled(HWND hwnd, LPARAM windows) {
  if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(hwnd);
  return TRUE;
}

}  // namespace

std::uint8_t RunWithWaitWindow(std::string_view operation, std::string_view file,
                               std::string_view parameters, WaitingRunResult& status,
                               int showCommand, std::string_view folder) {
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
  TWaitForm form(operation, file, parameters, showCommand, folder);
  if (!form.Open()) {
    // Without the window the program still runs, and the wait still happens.
    status = RunShellWaiting(operation, file, parameters, showCommand, true, true, folder);
    return 1;
  }
  HWND active = GetActiveWindow();
  form.DisableOthers(std::move(disabled));
  form.ShowModal();
  form.EnableOthers();  // when the loop ended without the window closing itself
  if (active && IsWindow(active)) SetActiveWindow(active);
  status = form.status();
  return form.done();
}

}  // namespace plexara
