// The platform's font dialog for the font rows of the property grid: started on an object's font,
// with colour, underline and strike-out offered.
#pragma once

#include <windows.h>

#include "storage/font_data.h"

namespace plexara {

// True only after OK with a font that differs in what project files keep (face, size, style,
// colour); the chosen font is then copied into `font`, its character set with it. Cancel, or OK
// without such a change, leaves `font` untouched.
bool EditFont(HWND owner, FontData& font);

}  // namespace plexara
