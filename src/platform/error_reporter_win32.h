// The real message-box and last-error seam: MessageBoxA with the error icon, GetLastError and
// FormatMessageA.
#pragma once

namespace plexara::win32 {

void InstallWin32ErrorReporter();

}  // namespace plexara::win32
