// Packing a project folder tree into one stream and unpacking it again: the layout the
// self-contained player carries after its own bytes. A packed tree is, recursively, an int32
// folder count, each folder's name and packed tree, an int32 file count, and each file's name,
// int32 size and bytes. The source folder and player copies are left out at every level, since the
// extracting player recreates the one and never needs the other.
//
// File system access goes through TreeFileSystem so the algorithms are testable and portable;
// paths are system code page strings. Unpacking treats the stream as hostile: every entry name is
// checked before anything is created for it, sizes are checked against what remains, file contents
// are copied in bounded chunks, and each created path is registered for removal before it is
// written, so a half-finished unpack is still cleaned up at exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/byte_stream.h"
#include "storage/result.h"
#include "storage/startup_context.h"

namespace plexara {

// A folder that cannot be created while unpacking (reported with its path).
inline constexpr int kCodeUnpackCreateFolder = 1065;
// Any other unpack failure; it happens inside the player's project loading and carries its code.
inline constexpr int kCodeUnpackTree = 1070;

// Names left out of a packed tree at every depth, compared exactly (case-sensitive). The player's
// name is also left out of the root in any letter case, in both directions: the platform's file
// names are case-blind, and the root is where an unpacking player keeps its own running copy, so
// a root "AUTORUN.EXE" is never packed and, in a tree from elsewhere, is skipped rather than
// written over that copy.
inline constexpr std::string_view kPackExcludedFolderName = "AutoRunSource";
inline constexpr std::string_view kPackExcludedFileName = "autorun.exe";

// Deepest folder nesting packed or unpacked; deeper trees are damaged, hostile or loop through links.
inline constexpr int kMaxPackedTreeDepth = 64;
// File contents move through a buffer of this size, never whole files.
inline constexpr std::size_t kPackCopyChunkSize = std::size_t{1} << 20;

// Separator used to build child paths (the platform's own).
#ifdef _WIN32
inline constexpr char kTreePathSeparator = '\\';
#else
inline constexpr char kTreePathSeparator = '/';
#endif

std::string JoinTreePath(std::string_view folder, std::string_view name);

// True when a name is a plain file name that may be created inside a folder without reaching out
// of it: not empty, not "." or "..", no path separator, drive colon or control character, no
// trailing dot or space (the platform strips them, so the name would mean something else), and not
// a reserved device name with or without an extension, in any letter case. Entries of a packed
// tree and page names (which name page files) must pass it.
bool IsSafePackedName(std::string_view name);

class TreeFileReader {
 public:
  virtual ~TreeFileReader() = default;
  virtual std::uint64_t Size() const = 0;
  // Reads exactly size bytes; false when the file ends sooner or reading fails.
  virtual bool Read(void* dst, std::size_t size) = 0;
};

class TreeFileWriter {
 public:
  virtual ~TreeFileWriter() = default;
  virtual bool Write(const void* src, std::size_t size) = 0;
  // Flushes and closes; false when the data did not reach the file.
  virtual bool Close() = 0;
};

// What packing and unpacking need from the file system.
class TreeFileSystem {
 public:
  struct Listing {
    std::vector<std::string> folders;  // names only, in the platform's enumeration order
    std::vector<std::string> files;
  };

  virtual ~TreeFileSystem() = default;
  virtual Result<Listing> ListFolder(const std::string& folder) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  virtual bool CreateFolder(const std::string& path) = 0;
  // nullptr when the file cannot be opened.
  virtual std::unique_ptr<TreeFileReader> OpenForReading(const std::string& path) = 0;
  // Creates or truncates; nullptr when that fails.
  virtual std::unique_ptr<TreeFileWriter> CreateOrTruncate(const std::string& path) = 0;
};

// The real file system; paths are system code page strings on every platform.
TreeFileSystem& NativeTreeFileSystem();

// Whether a whole packed tree starts at the stream's position and ends exactly at `end`: every
// count, name and size in place, names plain, nesting within kMaxPackedTreeDepth. File contents are
// stepped over, not read, so this is cheap however large the tree. Silent; the position is left
// wherever the walk stopped.
bool PackedTreeEndsAt(InStream& in, std::uint64_t end);

// Writes the packed tree of folder. Silent: the caller reports the returned error with its own
// code (the publishing command owns that message).
Result<void> PackTree(OutStream& out, const std::string& folder, TreeFileSystem& fs = NativeTreeFileSystem());

// Recreates a packed tree inside folder, adding "D"/"F" entries to cleanup as folders and files
// are created; a root file with the player's name in any letter case is read past, not written.
// Reports its failure once (the name primitive with its own code, everything else with
// kCodeUnpackCreateFolder or kCodeUnpackTree); the returned error is for the caller's logic only
// and must not be shown again.
Result<void> UnpackTree(InStream& in, const std::string& folder, TempCleanupList& cleanup,
                        TreeFileSystem& fs = NativeTreeFileSystem());

}  // namespace plexara
