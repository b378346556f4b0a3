// The version string an executable's version resource carries, as the editor shows it and as the
// save compares it between the editor and a project's autorun.exe.
#pragma once

#include <string>

namespace plexara::win32 {

// StringFileInfo\040904E4\FileVersion of the file; empty when the file or the value is missing.
std::string FileVersionOf(const std::string& path);

}  // namespace plexara::win32
