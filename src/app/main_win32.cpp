// Process entry of Plexara.exe / autorun.exe.
#include <windows.h>

#include "app/startup_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return plexara::RunApplication(); }
