// Identifiers of the executable's own resources (res/plexara.rc.in), shared by the resource script
// and the code that loads them. Plain macros, because the resource compiler reads this file too.
#pragma once

// The application icon: the lowest icon id, so the shell shows it for the executable.
#define PLEXARA_ICON_APPLICATION 1
