// The Grid Size dialog of the design surface's grid: two spin boxes, 2 to 99.
#pragma once

#include <windows.h>

namespace plexara {

// Shows "Grid Size" with x and y; after "&OK" takes the new values and reports whether either
// differs from before. Enter in a spin box is OK, Esc is Cancel.
bool EditGridSize(HWND owner, int& x, int& y);

}  // namespace plexara
