#include "platform/error_reporter_win32.h"

#include <windows.h>

#include <string>

#include "storage/error_report.h"

namespace plexara::win32 {
namespace {

class Win32ErrorReporter final : public ErrorReporter {
 public:
  void ShowErrorMessage(std::string_view text, std::string_view caption) override {
    const std::string textZ(text), captionZ(caption);
    MessageBoxA(GetActiveWindow(), textZ.c_str(), captionZ.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
  }
  unsigned long LastErrorCode() override { return GetLastError(); }
  std::string SystemErrorMessage(unsigned long errorCode) override {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        errorCode, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string message;
    if (length != 0 && buffer != nullptr) message.assign(buffer, length);
    if (buffer != nullptr) LocalFree(buffer);
    // The system's texts end in a line break (and sometimes a blank); the report goes on after it.
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
      message.pop_back();
    }
    return message;
  }
};

}  // namespace

void InstallWin32ErrorReporter() {
  static Win32ErrorReporter reporter;
  SetErrorReporter(&reporter);
}

}  // namespace plexara::win32
