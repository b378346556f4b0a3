#include "storage/file_stream.h"

namespace plexara {
namespace {

bool SeekFile(std::FILE* file, std::uint64_t position) {
#ifdef _WIN32
  return _fseeki64(file, static_cast<__int64>(position), SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(position), SEEK_SET) == 0;
#endif
}

std::uint64_t FileSize(std::FILE* file) {
#ifdef _WIN32
  if (_fseeki64(file, 0, SEEK_END) != 0) return 0;
  const __int64 size = _ftelli64(file);
#else
  if (fseeko(file, 0, SEEK_END) != 0) return 0;
  const off_t size = ftello(file);
#endif
  SeekFile(file, 0);
  return size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

}  // namespace

FileInStream::FileInStream(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
  if (file_ != nullptr) size_ = FileSize(file_);
}

FileInStream::~FileInStream() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileInStream::Read(void* dst, std::size_t size) {
  if (file_ == nullptr || size > size_ - position_) return false;
  if (size != 0 && std::fread(dst, 1, size, file_) != size) return false;
  position_ += size;
  return true;
}

bool FileInStream::Seek(std::uint64_t position) {
  if (file_ == nullptr || position > size_ || !SeekFile(file_, position)) return false;
  position_ = position;
  return true;
}

FileOutStream::FileOutStream(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}

FileOutStream::~FileOutStream() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileOutStream::Write(const void* src, std::size_t size) {
  if (file_ == nullptr) return false;
  if (size != 0 && std::fwrite(src, 1, size, file_) != size) return false;
  position_ += size;
  if (position_ > size_) size_ = position_;
  return true;
}

bool FileOutStream::Seek(std::uint64_t position) {
  if (file_ == nullptr || position > size_ || !SeekFile(file_, position)) return false;
  position_ = position;
  return true;
}

bool FileOutStream::Close() {
  if (file_ == nullptr) return false;
  const bool flushed = std::fflush(file_) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return flushed && closed;
}

}  // namespace plexara
