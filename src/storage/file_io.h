// Whole-file reading and safe replacing for the codecs. Paths are system code page strings, as
// the project stores them, so only the narrow C and C++ file functions are used.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/result.h"

namespace plexara {

Result<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);
// Writes the bytes to a temporary file beside path, then puts it in place of path. When writing
// fails the old file is untouched; the temporary file is removed.
// Puts a complete temporary file in place of path. Renaming over an existing file fails on
// Windows, so the old file goes first; if the rename then fails the new contents stay in the
// temporary file.
bool MoveIntoPlace(const std::string& temporary, const std::string& path);

Result<void> ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace plexara
