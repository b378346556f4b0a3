// Byte streams over files on disk, for the readers that seek inside large files (a target file, a
// self-contained player) instead of holding them in memory. Paths are system code page strings;
// positions are 64-bit on every platform.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "storage/byte_stream.h"

namespace plexara {

// A file opened read-only; is_open() tells whether opening succeeded.
class FileInStream final : public InStream {
 public:
  explicit FileInStream(const std::string& path);
  ~FileInStream() override;
  FileInStream(const FileInStream&) = delete;
  FileInStream& operator=(const FileInStream&) = delete;

  bool is_open() const { return file_ != nullptr; }
  bool Read(void* dst, std::size_t size) override;
  std::uint64_t Position() const override { return position_; }
  std::uint64_t Size() const override { return size_; }
  bool Seek(std::uint64_t position) override;

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t position_ = 0;
  std::uint64_t size_ = 0;
};

// A file created or truncated for writing; it can seek back over what it has written (the target
// file's header is written twice).
class FileOutStream final : public OutStream {
 public:
  explicit FileOutStream(const std::string& path);
  ~FileOutStream() override;
  FileOutStream(const FileOutStream&) = delete;
  FileOutStream& operator=(const FileOutStream&) = delete;

  bool is_open() const { return file_ != nullptr; }
  bool Write(const void* src, std::size_t size) override;
  std::uint64_t Position() const override { return position_; }
  bool Seek(std::uint64_t position) override;
  // Flushes and closes; false when the data did not reach the file.
  bool Close();

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t position_ = 0;
  std::uint64_t size_ = 0;
};

}  // namespace plexara
