// Start-up time of the player under Wine against a minimal Win32 program, measured in the same
// run: from process start until its first top-level window is visible and painted (the pixel at
// the centre of its client area is the colour the program paints there). Prints the median of
// several runs of each and their ratio.
//
//   plexara-startup-bench PLAYER.exe R G B [RUNS]   the player and the colour its page shows
//   plexara-startup-bench --minimal                  the baseline: one window painted in one colour
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kMinimalColour = RGB(40, 120, 200);

LRESULT CALLBACK MinimalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(kMinimalColour);
    FillRect(dc, &ps.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

int RunMinimal() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = MinimalProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "PlexaraMinimal";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowA("PlexaraMinimal", "Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                            nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  RECT r;
  if (owner == search->process && IsWindowVisible(hwnd) && GetWindowRect(hwnd, &r) && r.right - r.left > 100) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

// Seconds from CreateProcess until a window of the process shows `colour` at its client centre.
double TimeToFirstPaint(const std::string& commandLine, const std::string& folder, COLORREF colour) {
  STARTUPINFOA si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  std::string line = commandLine;
  const auto start = std::chrono::steady_clock::now();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.empty() ? nullptr : folder.c_str(),
                      &si, &pi)) {
    return -1;
  }
  double seconds = -1;
  HDC screen = GetDC(nullptr);
  while (std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
    Search search{pi.dwProcessId, nullptr};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      RECT client;
      GetClientRect(search.found, &client);
      POINT centre{client.right / 2, client.bottom / 2};
      ClientToScreen(search.found, &centre);
      if (Near(GetPixel(screen, centre.x, centre.y), colour)) {
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        break;
      }
    }
    Sleep(5);
  }
  ReleaseDC(nullptr, screen);
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return seconds;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--minimal") return RunMinimal();
  if (argc < 5) {
    std::fprintf(stderr, "usage: plexara-startup-bench PLAYER.exe R G B [RUNS]\n       plexara-startup-bench --minimal\n");
    return 2;
  }
  const std::string player = argv[1];
  const COLORREF colour = RGB(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
  const int runs = argc > 5 ? std::max(1, std::atoi(argv[5])) : 5;
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string folder = player.substr(0, player.find_last_of("\\/"));

  std::vector<double> baseline, measured;
  for (int i = 0; i < runs; ++i) {
    baseline.push_back(TimeToFirstPaint("\"" + std::string(self) + "\" --minimal", {}, kMinimalColour));
    measured.push_back(TimeToFirstPaint("\"" + player + "\"", folder, colour));
  }
  const double base = Median(baseline), time = Median(measured);
  if (base <= 0 || time <= 0) {
    std::fprintf(stderr, "startup: a window never showed its colour (minimal %.3f s, player %.3f s)\n", base, time);
    return 1;
  }
  std::printf("startup: %d runs each, median to first painted window\n", runs);
  std::printf("  minimal Win32 window  %.3f s\n  player, sample main page  %.3f s   ratio %.2f (aim: 1.5 or better)\n", base,
              time, time / base);
  return 0;
}
