// The "Color Editor": a palette of swatches, the list of named colours, the new and the current
// colour side by side, the chosen colour's eight hexadecimal digits, and the platform's full
// colour dialog behind "&Custom...".
#pragma once

#include <windows.h>

#include "storage/font_data.h"

namespace plexara {

// True only after "&OK" with a colour other than the one given; `color` is then the chosen one
// (a named system colour stays a system colour).
bool EditColor(HWND owner, ColorRef& color);

}  // namespace plexara
