// The process-wide table of cursor files. Pages and objects name cursor files relative to the
// project root; each distinct file (compared upper-cased, with a leading backslash) is loaded
// once, static or animated, and gets the next free cursor number, so objects naming the same file
// share one cursor.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace plexara {

// The number of the named cursor file, loading it on first use; 0 for an empty name or a file
// that cannot be loaded (tried again the next time it is named).
int CursorNumber(const std::string& projectRoot, std::string_view cursorFile);
// The cursor registered under a number; null for 0 or an unknown number.
HCURSOR CursorOfNumber(int number);

}  // namespace plexara
