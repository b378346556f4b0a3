// The editing marks the design surface draws over the page picture: placeholder captions of
// objects that show nothing by themselves yet, outlines around objects without a frame of their
// own, and the eight handles of selected objects.
#pragma once

#include <windows.h>

#include <span>

#include "objects/object_control_win32.h"

namespace plexara {

// Draws the marks of every control, in list order, into dc (page content coordinates).
void DrawDesignMarks(HDC dc, std::span<ObjectControl* const> controls);

}  // namespace plexara
