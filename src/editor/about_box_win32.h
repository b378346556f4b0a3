// The about box: the product name, the version the executable's resource carries, the icon, OK.
#pragma once

#include <windows.h>

namespace plexara {

void ShowAboutBox(HWND owner);

}  // namespace plexara
