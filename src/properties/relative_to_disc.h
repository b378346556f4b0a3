// The rule that keeps every path a project stores inside its disc folder: a full path below the
// disc folder becomes a backslash and the rest of the path; anything else is not below it.
#pragma once

#include <string>
#include <string_view>

namespace plexara {

// Given the disc folder (no trailing backslash) and a full path, compared ignoring letter case:
// "\" when the path is the disc folder, the rest from the separating backslash on when it lies
// below it, and empty otherwise (a sibling whose name merely starts with the disc folder's name
// is not below it).
std::string RelativeToDisc(std::string_view discFolder, std::string_view path);

}  // namespace plexara
