// Painting a child window, frame included, into a DC of our own while the window may be hidden
// (the editor shows its working page's controls that way). WM_PRINT's non-client part is not
// painted by every system, and controls clip their painting to their client rectangle in device
// coordinates, so the frame is drawn here and the client is printed into a picture of its own.
#pragma once

#include <windows.h>

namespace plexara::win32 {

// Paints `window` with its top-left frame corner at (x, y) of dc. False when it has no size or
// GDI fails.
bool PrintChildWindow(HWND window, HDC dc, int x, int y);

}  // namespace plexara::win32
