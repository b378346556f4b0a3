#include "support/player_driver_win32.h"

#include "player/page_window_win32.h"
#include "support/automation_win32.h"

namespace plexara::testing_support {
namespace {

HWND WaitForTopLevel(DWORD processId, const char* className, const std::string& title,
                     std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (const WindowInfo& window : FindTopLevelWindows(className, &title, processId)) {
          if (IsWindowVisible(window.hwnd)) found = window.hwnd;
        }
        return found != nullptr;
      },
      timeout);
  return found;
}

struct TextSearch {
  const std::string* text;
  HWND found;
};

BOOL CALLBACK MatchText(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<TextSearch*>(param);
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof(text));
  if (*search->text == text) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK MatchClass(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<TextSearch*>(param);
  char className[256] = {};
  GetClassNameA(hwnd, className, sizeof(className));
  if (lstrcmpiA(search->text->c_str(), className) == 0) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND ControlOfClass(HWND window, const std::string& className) {
  TextSearch search{&className, nullptr};
  EnumChildWindows(window, &MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForPage(DWORD processId, const std::string& title, std::chrono::milliseconds timeout) {
  return WaitForTopLevel(processId, kPageWindowClass, title, timeout);
}

HWND WaitForBox(DWORD processId, const std::string& caption, std::chrono::milliseconds timeout) {
  return WaitForTopLevel(processId, "#32770", caption, timeout);
}

bool HasPage(DWORD processId, const std::string& title) {
  for (const WindowInfo& window : FindTopLevelWindows(kPageWindowClass, &title, processId)) {
    if (IsWindowVisible(window.hwnd)) return true;
  }
  return false;
}

HWND ControlWithText(HWND window, const std::string& text) {
  TextSearch search{&text, nullptr};
  EnumChildWindows(window, &MatchText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void ClickControl(HWND control) { PostMessageA(control, BM_CLICK, 0, 0); }

void TypeInto(HWND edit, const std::string& text) {
  for (char c : text) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void AnswerBoxOk(HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }

bool WaitForGone(HWND window, std::chrono::milliseconds timeout) {
  return WaitUntil([&] { return !IsWindow(window); }, timeout);
}

}  // namespace plexara::testing_support
