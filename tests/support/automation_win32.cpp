#include "support/automation_win32.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "storage/bitmap.h"
#include "support/picture_fixtures.h"

namespace plexara::testing_support {

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : process_(other.process_), id_(other.id_) {
  other.process_ = nullptr;
  other.id_ = 0;
}

ChildProcess::~ChildProcess() {
  if (process_ == nullptr) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

ChildProcess ChildProcess::Start(const std::string& exe, const std::string& arguments) {
  ChildProcess child;
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::string folder = exe.substr(0, exe.find_last_of('\\'));
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                     &startup, &info)) {
    CloseHandle(info.hThread);
    child.process_ = info.hProcess;
    child.id_ = info.dwProcessId;
  }
  return child;
}

bool ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
  if (process_ == nullptr) return true;
  return WaitUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeout);
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = 0;
  if (process_ != nullptr) GetExitCodeProcess(process_, &code);
  return code;
}

namespace {
BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto* windows = reinterpret_cast<std::vector<WindowInfo>*>(param);
  char className[256] = {};
  char title[512] = {};
  GetClassNameA(hwnd, className, sizeof(className));
  GetWindowTextA(hwnd, title, sizeof(title));
  DWORD processId = 0;
  GetWindowThreadProcessId(hwnd, &processId);
  windows->push_back({hwnd, processId, className, title});
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND hwnd, LPARAM param) {
  char className[64] = {};
  GetClassNameA(hwnd, className, sizeof(className));
  if (lstrcmpiA(className, "Static") == 0) {
    char text[2048] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    auto* joined = reinterpret_cast<std::string*>(param);
    if (text[0] != '\0') {
      if (!joined->empty()) *joined += "\n";
      *joined += text;
    }
  }
  return TRUE;
}
}  // namespace

std::vector<WindowInfo> TopLevelWindows() {
  std::vector<WindowInfo> windows;
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<WindowInfo> FindTopLevelWindows(const std::string& className, const std::string* title, DWORD processId) {
  std::vector<WindowInfo> found;
  for (const auto& w : TopLevelWindows()) {
    if (w.className != className) continue;
    if (title != nullptr && w.title != *title) continue;
    if (processId != 0 && w.processId != processId) continue;
    found.push_back(w);
  }
  return found;
}

bool WaitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (predicate()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

std::string DialogText(HWND dialog) {
  std::string joined;
  EnumChildWindows(dialog, &CollectStaticText, reinterpret_cast<LPARAM>(&joined));
  return joined;
}

bool CopyFileTo(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

std::string MakeTempFolder(const std::string& prefix) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string base = temp;
  if (!base.empty() && base.back() == '\\') base.pop_back();
  for (unsigned n = GetCurrentProcessId() * 1000u;; ++n) {
    const std::string folder = base + "\\" + prefix + std::to_string(n);
    if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return {};
  }
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

namespace {
// An environment variable holding a Unix or Windows path, as a Windows path.
std::string WindowsPathFromEnvironment(const char* variable) {
  const char* dir = std::getenv(variable);
  std::string path = dir != nullptr ? dir : ".";
  // Under Wine a Unix path is reachable through drive Z:.
  if (!path.empty() && path[0] == '/') {
    path = "Z:" + path;
  }
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}
}  // namespace

std::string BuildDir() { return WindowsPathFromEnvironment("PLEXARA_BUILD_DIR"); }

std::string ArtifactsDir() { return WindowsPathFromEnvironment("PLEXARA_SOURCE_DIR") + "\\build\\artifacts"; }

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool SaveWindowScreenshot(HWND hwnd, const std::string& name) {
  RECT rect;
  if (!GetWindowRect(hwnd, &rect)) return false;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, like our Bitmap
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  Bitmap bitmap(width, height);
  std::memcpy(bitmap.data(), bits, static_cast<std::size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.at(x, y).a = 255;
  }
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  const std::string folder = ArtifactsDir();
  CreateDirectoryA(folder.c_str(), nullptr);
  const auto png = EncodePngFile(bitmap);
  std::ofstream file(folder + "\\" + name + ".png", std::ios::binary);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}

}  // namespace plexara::testing_support
