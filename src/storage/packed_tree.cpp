// Packing and unpacking folder trees, and the std::filesystem-backed TreeFileSystem.
#include "storage/packed_tree.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <sys/stat.h>
#endif

#include "storage/ascii_case.h"
#include "storage/error_report.h"
#include "storage/primitives.h"

namespace plexara {
namespace {

namespace stdfs = std::filesystem;

constexpr std::int32_t kMaxInt32 = std::numeric_limits<std::int32_t>::max();
// Smallest encodings of one entry: a folder is an empty name plus two zero counts, a file an
// empty name plus its size.
constexpr std::uint64_t kMinFolderEntrySize = 4 + 4 + 4;
constexpr std::uint64_t kMinFileEntrySize = 4 + 4;

// Device names the platform opens instead of a file, whatever the folder or extension.
bool IsReservedDeviceName(std::string_view name) {
  std::string_view base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  const std::string upper = UpperAscii(base);
  static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  if (std::find(kPlain.begin(), kPlain.end(), upper) != kPlain.end()) return true;
  if (upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT"))) {
    // Digits 1-9 and, in the Western code page, the superscripts 1, 2 and 3.
    static constexpr std::string_view kDeviceDigits = "123456789\xB9\xB2\xB3";
    return kDeviceDigits.find(upper[3]) != std::string_view::npos;
  }
  return false;
}

// At the root, where an unpacking player keeps its running copy, the player's name counts in any
// letter case: the platform's file names are case-blind, so every spelling is that same file.
bool IsRootPlayerName(std::string_view name) { return SameTextIgnoringCase(name, kPackExcludedFileName); }

bool IsExcludedFile(std::string_view name, int depth) {
  return depth == 0 ? IsRootPlayerName(name) : name == kPackExcludedFileName;
}

// The name as it can be shown in a message: control bytes become \xNN.
std::string PrintableName(std::string_view name) {
  std::string text;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      text += escaped;
    } else {
      text.push_back(c);
    }
  }
  return text;
}

// ---- native file system ----

// Files go through the narrow C stdio functions, which take system code page paths on every
// platform. Folders use std::filesystem where narrow strings are raw bytes (POSIX); on Windows its
// narrow conversion is not the system code page, so the C runtime's narrow functions serve there.

class NativeFileReader final : public TreeFileReader {
 public:
  NativeFileReader(std::FILE* file, std::uint64_t size) : file_(file), size_(size) {}
  ~NativeFileReader() override { std::fclose(file_); }
  NativeFileReader(const NativeFileReader&) = delete;
  NativeFileReader& operator=(const NativeFileReader&) = delete;
  std::uint64_t Size() const override { return size_; }
  bool Read(void* dst, std::size_t size) override { return size == 0 || std::fread(dst, 1, size, file_) == size; }

 private:
  std::FILE* file_;
  std::uint64_t size_;
};

class NativeFileWriter final : public TreeFileWriter {
 public:
  explicit NativeFileWriter(std::FILE* file) : file_(file) {}
  ~NativeFileWriter() override {
    if (file_) std::fclose(file_);
  }
  NativeFileWriter(const NativeFileWriter&) = delete;
  NativeFileWriter& operator=(const NativeFileWriter&) = delete;
  bool Write(const void* src, std::size_t size) override {
    return file_ && (size == 0 || std::fwrite(src, 1, size, file_) == size);
  }
  bool Close() override {
    if (!file_) return false;
    const bool flushed = std::fflush(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return flushed && closed;
  }

 private:
  std::FILE* file_;
};

#ifdef _WIN32

Result<TreeFileSystem::Listing> ListNativeFolder(const std::string& folder) {
  __finddata64_t data{};
  const intptr_t handle = _findfirst64(JoinTreePath(folder, "*").c_str(), &data);
  if (handle == -1) return MakeError("cannot list the folder " + folder);
  TreeFileSystem::Listing listing;
  do {
    const std::string_view name = data.name;
    if (name == "." || name == "..") continue;
    ((data.attrib & _A_SUBDIR) ? listing.folders : listing.files).emplace_back(name);
  } while (_findnext64(handle, &data) == 0);
  _findclose(handle);
  return listing;
}

bool NativeFolderExists(const std::string& path) {
  struct _stat64 status {};
  return _stat64(path.c_str(), &status) == 0 && (status.st_mode & _S_IFDIR) != 0;
}

bool CreateNativeFolder(const std::string& path) { return _mkdir(path.c_str()) == 0; }

std::optional<std::uint64_t> NativeFileSize(const std::string& path) {
  struct _stat64 status {};
  if (_stat64(path.c_str(), &status) != 0 || (status.st_mode & _S_IFREG) == 0) return std::nullopt;
  return static_cast<std::uint64_t>(status.st_size);
}

#else

Result<TreeFileSystem::Listing> ListNativeFolder(const std::string& folder) {
  std::error_code error;
  stdfs::directory_iterator it(stdfs::path(folder), error);
  TreeFileSystem::Listing listing;
  for (const stdfs::directory_iterator end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    // Only regular files: reading a pipe or device would block or never end.
    if (it->is_directory(typeError)) {
      listing.folders.push_back(it->path().filename().string());
    } else if (it->is_regular_file(typeError)) {
      listing.files.push_back(it->path().filename().string());
    }
  }
  if (error) return MakeError("cannot list the folder " + folder);
  return listing;
}

bool NativeFolderExists(const std::string& path) {
  std::error_code error;
  return stdfs::is_directory(stdfs::path(path), error);
}

bool CreateNativeFolder(const std::string& path) {
  std::error_code error;
  return stdfs::create_directory(stdfs::path(path), error) && !error;
}

std::optional<std::uint64_t> NativeFileSize(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = stdfs::file_size(stdfs::path(path), error);
  if (error) return std::nullopt;
  return static_cast<std::uint64_t>(size);
}

#endif

// Every call catches: the standard library may throw (allocation, path conversion).
class NativeFileSystem final : public TreeFileSystem {
 public:
  Result<Listing> ListFolder(const std::string& folder) override {
    try {
      return ListNativeFolder(folder);
    } catch (const std::exception&) {
      return MakeError("cannot list the folder " + folder);
    }
  }

  bool FolderExists(const std::string& path) override {
    try {
      return NativeFolderExists(path);
    } catch (const std::exception&) {
      return false;
    }
  }

  bool CreateFolder(const std::string& path) override {
    try {
      return CreateNativeFolder(path);
    } catch (const std::exception&) {
      return false;
    }
  }

  std::unique_ptr<TreeFileReader> OpenForReading(const std::string& path) override {
    try {
      const std::optional<std::uint64_t> size = NativeFileSize(path);
      if (!size) return nullptr;
      std::FILE* file = std::fopen(path.c_str(), "rb");
      if (!file) return nullptr;
      return std::make_unique<NativeFileReader>(file, *size);
    } catch (const std::exception&) {
      return nullptr;
    }
  }

  std::unique_ptr<TreeFileWriter> CreateOrTruncate(const std::string& path) override {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return nullptr;
    return std::make_unique<NativeFileWriter>(file);
  }
};

// ---- packing ----

class Packer {
 public:
  Packer(OutStream& out, TreeFileSystem& fs) : out_(out), fs_(fs), buffer_(kPackCopyChunkSize) {}

  Result<void> PackFolder(const std::string& folder, int depth) {
    if (depth > kMaxPackedTreeDepth) return MakeError("folders nested too deeply at " + folder);
    PLEXARA_TRY_ASSIGN(listing, fs_.ListFolder(folder));
    std::erase_if(listing.folders, [](const std::string& name) { return name == kPackExcludedFolderName; });
    std::erase_if(listing.files, [depth](const std::string& name) { return IsExcludedFile(name, depth); });
    if (listing.folders.size() > static_cast<std::size_t>(kMaxInt32) ||
        listing.files.size() > static_cast<std::size_t>(kMaxInt32)) {
      return MakeError("too many entries in " + folder);
    }

    if (!WriteInt32(out_, static_cast<std::int32_t>(listing.folders.size()))) return WriteFailed();
    for (const std::string& name : listing.folders) {
      if (!WriteLengthPrefixed(out_, name)) return WriteFailed();
      PLEXARA_TRY(PackFolder(JoinTreePath(folder, name), depth + 1));
    }

    if (!WriteInt32(out_, static_cast<std::int32_t>(listing.files.size()))) return WriteFailed();
    for (const std::string& name : listing.files) PLEXARA_TRY(PackFile(JoinTreePath(folder, name), name));
    return Ok{};
  }

 private:
  Result<void> PackFile(const std::string& path, const std::string& name) {
    std::unique_ptr<TreeFileReader> reader = fs_.OpenForReading(path);
    if (!reader) return MakeError("cannot open " + path);
    const std::uint64_t size = reader->Size();
    // The stored size is an int32; a larger file cannot be represented and must not be wrapped.
    if (size > static_cast<std::uint64_t>(kMaxInt32)) return MakeError("file too large to pack: " + path);
    if (!WriteLengthPrefixed(out_, name) || !WriteInt32(out_, static_cast<std::int32_t>(size))) {
      return WriteFailed();
    }
    std::uint64_t left = size;
    while (left > 0) {
      const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer_.size()));
      // A file that shrank while being packed would leave the stream inconsistent.
      if (!reader->Read(buffer_.data(), chunk)) return MakeError("cannot read " + path);
      if (!out_.Write(buffer_.data(), chunk)) return WriteFailed();
      left -= chunk;
    }
    return Ok{};
  }

  static Error WriteFailed() { return MakeError("cannot write the packed tree"); }

  OutStream& out_;
  TreeFileSystem& fs_;
  std::vector<std::uint8_t> buffer_;
};

// ---- checking ----

bool WalkFolder(InStream& in, int depth) {
  if (depth > kMaxPackedTreeDepth) return false;
  std::int32_t folderCount = 0;
  if (!ReadCount(in, kMinFolderEntrySize, folderCount)) return false;
  std::string name;
  for (std::int32_t i = 0; i < folderCount; ++i) {
    if (!ReadLengthPrefixed(in, name) || !IsSafePackedName(name) || !WalkFolder(in, depth + 1)) return false;
  }
  std::int32_t fileCount = 0;
  if (!ReadCount(in, kMinFileEntrySize, fileCount)) return false;
  for (std::int32_t i = 0; i < fileCount; ++i) {
    std::int32_t size = 0;
    if (!ReadLengthPrefixed(in, name) || !IsSafePackedName(name) || !ReadInt32(in, size) || size < 0 ||
        static_cast<std::uint64_t>(size) > in.Remaining() ||
        !in.Seek(in.Position() + static_cast<std::uint64_t>(size))) {
      return false;
    }
  }
  return true;
}

// ---- unpacking ----

class Unpacker {
 public:
  Unpacker(InStream& in, TreeFileSystem& fs, TempCleanupList& cleanup)
      : in_(in), fs_(fs), cleanup_(cleanup), buffer_(kPackCopyChunkSize) {}

  Result<void> UnpackFolder(const std::string& folder, int depth) {
    std::int32_t folderCount = 0;
    if (!ReadCount(in_, kMinFolderEntrySize, folderCount)) return Damaged(folder, "the folder count is damaged");
    for (std::int32_t i = 0; i < folderCount; ++i) {
      std::string name;
      PLEXARA_TRY(ReadName(folder, name));
      if (depth + 1 > kMaxPackedTreeDepth) return Damaged(folder, "its folders are nested too deeply");
      const std::string path = JoinTreePath(folder, name);
      if (!fs_.FolderExists(path) && !fs_.CreateFolder(path)) {
        ReportFileError(kCodeUnpackCreateFolder, path);
        return MakeError("cannot create the folder " + path, kCodeUnpackCreateFolder);
      }
      cleanup_.AddFolder(path);
      PLEXARA_TRY(UnpackFolder(path, depth + 1));
    }

    std::int32_t fileCount = 0;
    if (!ReadCount(in_, kMinFileEntrySize, fileCount)) return Damaged(folder, "the file count is damaged");
    for (std::int32_t i = 0; i < fileCount; ++i) PLEXARA_TRY(UnpackFile(folder, depth));
    return Ok{};
  }

 private:
  Result<void> UnpackFile(const std::string& folder, int depth) {
    std::string name;
    PLEXARA_TRY(ReadName(folder, name));
    const std::string path = JoinTreePath(folder, name);
    // The size is checked before the file exists, so a lying size leaves nothing behind.
    std::int32_t size = 0;
    if (!ReadInt32(in_, size) || size < 0 || static_cast<std::uint64_t>(size) > in_.Remaining()) {
      return Damaged(path, "the file size is damaged");
    }
    // A root file with the player's name comes from an older packer that compared exactly, or from
    // a hostile tree; either way writing it would overwrite the copy of the player that is running.
    if (depth == 0 && IsRootPlayerName(name)) {
      if (!in_.Seek(in_.Position() + static_cast<std::uint64_t>(size))) {
        return Damaged(path, "the file data is cut short");
      }
      return Ok{};
    }
    std::unique_ptr<TreeFileWriter> writer = fs_.CreateOrTruncate(path);
    if (!writer) return SystemFailure(path, "cannot create the file ");
    cleanup_.AddFile(path);
    std::uint64_t left = static_cast<std::uint64_t>(size);
    while (left > 0) {
      const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer_.size()));
      if (!in_.Read(buffer_.data(), chunk)) return Damaged(path, "the file data is cut short");
      if (!writer->Write(buffer_.data(), chunk)) return SystemFailure(path, "cannot write the file ");
      left -= chunk;
    }
    if (!writer->Close()) return SystemFailure(path, "cannot write the file ");
    return Ok{};
  }

  Result<void> ReadName(const std::string& folder, std::string& name) {
    if (!ReadString(in_, name)) return MakeError("the packed tree is damaged", kCodeReadString);
    if (!IsSafePackedName(name)) {
      return Damaged(folder, "an entry has the unsafe name \"" + PrintableName(name) + "\" and was not extracted");
    }
    return Ok{};
  }

  static Error Damaged(const std::string& path, const std::string& problem) {
    std::string text = "\"" + path + "\", the packed project is damaged: " + problem + " (Error Code: " +
                       std::to_string(kCodeUnpackTree) + "), please contact ";
    text += kSupportContact;
    text += " for help.";
    ShowErrorBox(text);
    return MakeError("the packed tree is damaged or unsafe at " + path, kCodeUnpackTree);
  }

  static Error SystemFailure(const std::string& path, const std::string& what) {
    ReportFileError(kCodeUnpackTree, path);
    return MakeError(what + path, kCodeUnpackTree);
  }

  InStream& in_;
  TreeFileSystem& fs_;
  TempCleanupList& cleanup_;
  std::vector<std::uint8_t> buffer_;
};

}  // namespace

std::string JoinTreePath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path.push_back(kTreePathSeparator);
  path += name;
  return path;
}

bool IsSafePackedName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  if (name.back() == '.' || name.back() == ' ') return false;
  return !IsReservedDeviceName(name);
}

TreeFileSystem& NativeTreeFileSystem() {
  static NativeFileSystem fileSystem;
  return fileSystem;
}

Result<void> PackTree(OutStream& out, const std::string& folder, TreeFileSystem& fs) {
  Packer packer(out, fs);
  return packer.PackFolder(folder, 0);
}

bool PackedTreeEndsAt(InStream& in, std::uint64_t end) { return WalkFolder(in, 0) && in.Position() == end; }

Result<void> UnpackTree(InStream& in, const std::string& folder, TempCleanupList& cleanup, TreeFileSystem& fs) {
  Unpacker unpacker(in, fs, cleanup);
  return unpacker.UnpackFolder(folder, 0);
}

}  // namespace plexara
