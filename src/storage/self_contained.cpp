// Writing and locating the packed project appended to a player executable.
#include "storage/self_contained.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

namespace plexara {
namespace {

constexpr std::uint64_t kTrailerSize = 4;
// The smallest packed tree: two zero counts.
constexpr std::uint64_t kMinTreeSize = 8;

// Copies size bytes from read into out through a bounded buffer.
Result<void> CopyPlayer(const std::function<bool(void*, std::size_t)>& read, std::uint64_t size, OutStream& out) {
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(size, kPackCopyChunkSize)));
  while (size > 0) {
    const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(size, buffer.size()));
    if (!read(buffer.data(), chunk)) return MakeError("cannot read the player executable");
    if (!out.Write(buffer.data(), chunk)) return MakeError("cannot write the self-contained executable");
    size -= chunk;
  }
  return Ok{};
}

Result<void> AppendTreeAndPosition(const std::string& projectFolder, OutStream& out, TreeFileSystem& fs) {
  const std::uint64_t treePosition = out.Position();
  // The trailing position is an int32; a larger player cannot be pointed past.
  if (treePosition > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
    return MakeError("the player executable is too large");
  }
  PLEXARA_TRY(PackTree(out, projectFolder, fs));
  if (!WriteInt32(out, static_cast<std::int32_t>(treePosition))) {
    return MakeError("cannot write the self-contained executable");
  }
  return Ok{};
}

}  // namespace

Result<void> AppendPackedTree(InStream& player, const std::string& projectFolder, OutStream& out,
                              TreeFileSystem& fs) {
  PLEXARA_TRY(CopyPlayer([&](void* dst, std::size_t size) { return player.Read(dst, size); }, player.Remaining(),
                         out));
  return AppendTreeAndPosition(projectFolder, out, fs);
}

Result<void> AppendPackedTree(const std::string& playerPath, const std::string& projectFolder, OutStream& out,
                              TreeFileSystem& fs) {
  std::unique_ptr<TreeFileReader> player = fs.OpenForReading(playerPath);
  if (!player) return MakeError("cannot open the player executable " + playerPath);
  PLEXARA_TRY(CopyPlayer([&](void* dst, std::size_t size) { return player->Read(dst, size); }, player->Size(), out));
  return AppendTreeAndPosition(projectFolder, out, fs);
}

Result<std::uint64_t> FindAppendedTree(InStream& exe) {
  const auto none = [] { return MakeError(std::string(kNoAppendedProject)); };
  const std::uint64_t size = exe.Size();
  if (size < kTrailerSize + kMinTreeSize + 1) return none();
  std::int32_t position = 0;
  if (!exe.Seek(size - kTrailerSize) || !ReadInt32(exe, position)) return none();
  // A self-contained file always starts with a non-empty player, so position 0 (common as the
  // zero padding at the end of a plain executable) means nothing was appended.
  if (position <= 0 || static_cast<std::uint64_t>(position) > size - kTrailerSize - kMinTreeSize) return none();
  // The last four bytes of any executable read as some position; only a whole tree that ends
  // right before them shows that a project was appended.
  if (!exe.Seek(static_cast<std::uint64_t>(position)) || !PackedTreeEndsAt(exe, size - kTrailerSize)) {
    return none();
  }
  if (!exe.Seek(static_cast<std::uint64_t>(position))) return none();
  return static_cast<std::uint64_t>(position);
}

}  // namespace plexara
