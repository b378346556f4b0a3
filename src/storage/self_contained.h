// The self-contained player: a copy of the player executable followed by the packed tree of the
// project root and, in the last four bytes, the int32 position where that tree begins. These
// helpers write that layout and find the tree again, telling a plain executable (nothing
// appended) apart from one that carries a project.
#pragma once

#include <cstdint>
#include <string>

#include "storage/byte_stream.h"
#include "storage/packed_tree.h"
#include "storage/result.h"

namespace plexara {

// Copies the rest of player into out, packs projectFolder after it and ends with the position at
// which the tree starts in out. Silent: the caller reports the error with its own code.
Result<void> AppendPackedTree(InStream& player, const std::string& projectFolder, OutStream& out,
                              TreeFileSystem& fs = NativeTreeFileSystem());
// The same with the player read from a file.
Result<void> AppendPackedTree(const std::string& playerPath, const std::string& projectFolder, OutStream& out,
                              TreeFileSystem& fs = NativeTreeFileSystem());

// Reads the trailing position of exe and checks that a whole packed tree lies there: after at
// least one byte of player, ending exactly at the trailing position (PackedTreeEndsAt). On
// success the stream is left at that position, ready for UnpackTree. An executable with nothing
// appended fails with the error kNoAppendedProject (code 0); nothing is reported.
Result<std::uint64_t> FindAppendedTree(InStream& exe);
inline constexpr std::string_view kNoAppendedProject = "no appended project";

}  // namespace plexara
