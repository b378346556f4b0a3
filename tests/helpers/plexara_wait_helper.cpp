// A tiny program for the tests that start a program and wait for it: it sleeps for the number of
// milliseconds given as its first argument and, when a second argument names a file, writes that
// file just before it ends, so a test can tell whether something happened before or after.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Waiting on its (empty) message queue makes the program idle at once, so whoever waits for
  // its start moves on to waiting for its end.
  const int milliseconds = __argc > 1 ? std::atoi(__argv[1]) : 0;
  MsgWaitForMultipleObjects(0, nullptr, FALSE,
                            static_cast<DWORD>(milliseconds > 0 ? milliseconds : 0), QS_ALLINPUT);
  if (__argc > 2) {
    HANDLE marker = CreateFileA(__argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
  }
  return 0;
}
