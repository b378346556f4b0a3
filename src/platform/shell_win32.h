// The real shell and message-box seams: ShellExecuteA, ShellExecuteExA with a message-pumping wait,
// SHGetSpecialFolderLocation, the HKEY_CLASSES_ROOT open-command lookup, and MessageBoxA.
#pragma once

#include <string>
#include <string_view>

#include "platform/shell_seam.h"

namespace plexara::win32 {

class Win32Shell final : public Shell {
 public:
  int Open(const ShellRequest& request) override;
  WaitingRunResult RunWaiting(const ShellRequest& request, bool waitForIdle, bool waitForExit) override;
  std::string SpecialFolderPath(int csidl) override;
  std::string ShellOpenCommand(std::string_view fileType) override;
};

class Win32MessageBoxes final : public MessageBoxes {
 public:
  MessageAnswer Show(const MessageBoxRequest& request) override;
};

// Makes the real shell and message boxes current (once, at application start).
void InstallWin32ShellSeams();

}  // namespace plexara::win32
