#include "platform/shell_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace plexara::win32 {
namespace {

// Empty texts go to the shell as "none" rather than as an empty string.
const char* OptionalText(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// The folder part of a path with its trailing separator (so "C:\setup.exe" gives "C:\", not the
// drive's current folder "C:"); empty when the path names no folder.
std::string FolderOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// Waits for the process to end, handling every message of this thread as it arrives. A WM_QUIT
// taken from the queue meanwhile is posted again once the wait is over, for the loop that owns it.
void WaitForExitPumpingMessages(HANDLE process) {
  bool quit = false;
  WPARAM quitCode = 0;
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken != WAIT_OBJECT_0 + 1) break;  // the process ended, or the wait itself failed
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = msg.wParam;
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
}

class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }

  bool Open(HKEY parent, const std::string& name) {
    return RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &key_) == ERROR_SUCCESS;
  }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The key's default value as text; empty when it has none or it is not a string.
std::string DefaultValue(HKEY key) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return {};
  std::vector<char> data(size);
  if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
    return {};
  }
  std::string value(data.data(), std::min<std::size_t>(size, data.size()));
  // Stored strings normally carry their terminating zero, but need not.
  const std::size_t end = value.find('\0');
  if (end != std::string::npos) value.resize(end);
  return value;
}

UINT ButtonsStyle(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo: return MB_YESNO;
    case MessageButtons::YesNoCancel: return MB_YESNOCANCEL;
    case MessageButtons::Ok: break;
  }
  return MB_OK;
}

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::None: break;
  }
  return 0;
}

// A box that could not be shown answers as if closed without a choice.
MessageAnswer ClosedAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    case MessageButtons::Ok: break;
  }
  return MessageAnswer::Ok;
}

}  // namespace

int Win32Shell::Open(const ShellRequest& request) {
  const HINSTANCE result =
      ShellExecuteA(static_cast<HWND>(request.owner), OptionalText(request.operation), request.file.c_str(),
                    OptionalText(request.parameters), OptionalText(request.folder), request.showCommand);
  // Above 32 the value is only a success mark (not a real module handle); below, the error number.
  const INT_PTR code = reinterpret_cast<INT_PTR>(result);
  return code > 32 ? kShellStarted : static_cast<int>(code);
}

WaitingRunResult Win32Shell::RunWaiting(const ShellRequest& request, bool waitForIdle, bool waitForExit) {
  const std::string folder = request.folder.empty() ? FolderOf(request.file) : request.folder;
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT;
  info.hwnd = static_cast<HWND>(request.owner);
  info.lpVerb = OptionalText(request.operation);
  info.lpFile = request.file.c_str();
  info.lpParameters = OptionalText(request.parameters);
  info.lpDirectory = OptionalText(folder);
  info.nShow = request.showCommand;
  if (!ShellExecuteExA(&info)) return {false, GetLastError()};
  // A document handed to a program that was already running (DDE) gives no process to wait for.
  if (info.hProcess != nullptr) {
    if (waitForIdle) WaitForInputIdle(info.hProcess, INFINITE);
    if (waitForExit) WaitForExitPumpingMessages(info.hProcess);
    DWORD exitCode = 0;
    GetExitCodeProcess(info.hProcess, &exitCode);  // read and not used
    CloseHandle(info.hProcess);
  }
  return {true, 0};
}

std::string Win32Shell::SpecialFolderPath(int csidl) {
  LPITEMIDLIST item = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &item)) || item == nullptr) return {};
  char buffer[MAX_PATH] = {};
  std::string path;
  if (SHGetPathFromIDListA(item, buffer)) path = buffer;
  CoTaskMemFree(item);
  return path;
}

std::string Win32Shell::ShellOpenCommand(std::string_view fileType) {
  // An empty name would open HKEY_CLASSES_ROOT itself.
  if (fileType.empty()) return {};
  RegistryKey typeKey;
  if (!typeKey.Open(HKEY_CLASSES_ROOT, std::string(fileType))) return {};
  const std::string className = DefaultValue(typeKey.get());
  if (className.empty()) return {};
  RegistryKey classKey;
  if (!classKey.Open(HKEY_CLASSES_ROOT, className)) return {};
  RegistryKey commandKey;
  if (!commandKey.Open(classKey.get(), "shell\\open\\command")) return {};
  return DefaultValue(commandKey.get());
}

MessageAnswer Win32MessageBoxes::Show(const MessageBoxRequest& request) {
  HWND owner = static_cast<HWND>(request.owner);
  UINT style = ButtonsStyle(request.buttons) | IconStyle(request.icon);
  if (owner == nullptr) {
    owner = GetActiveWindow();
    style |= MB_TASKMODAL;
  }
  switch (MessageBoxA(owner, request.text.c_str(), request.caption.c_str(), style)) {
    case IDOK: return MessageAnswer::Ok;
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDCANCEL: return MessageAnswer::Cancel;
    default: return ClosedAnswer(request.buttons);
  }
}

void InstallWin32ShellSeams() {
  static Win32Shell shell;
  static Win32MessageBoxes boxes;
  SetShell(&shell);
  SetMessageBoxes(&boxes);
}

}  // namespace plexara::win32
