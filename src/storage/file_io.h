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
Result<void> ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace plexara
