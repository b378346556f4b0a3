#include "platform/file_system_win32.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <vector>

#include "storage/error_report.h"

namespace plexara::win32 {

bool Win32FileSystem::FileExists(const std::string& path) const {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FolderExists(const std::string& path) const {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::RemoveFolder(const std::string& path) {
  return RemoveDirectoryA(path.c_str()) != 0;
}

bool Win32FileSystem::RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::string ExecutablePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::string SystemTempFolder() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof(buffer), buffer);
  if (length == 0 || length > MAX_PATH) return {};
  std::string folder(buffer, length);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::string ReadIniString(const std::string& iniPath, const std::string& section,
                          const std::string& key) {
  std::vector<char> buffer(1024);
  for (;;) {
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                 static_cast<DWORD>(buffer.size()), iniPath.c_str());
    if (length + 1 < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

namespace {

Error SystemError(DWORD code) { return MakeError(CurrentErrorReporter().SystemErrorMessage(code)); }

}  // namespace

Result<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SystemError(GetLastError());
  struct Closer {
    HANDLE handle;
    ~Closer() { CloseHandle(handle); }
  } closer{file};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) return SystemError(GetLastError());
  // Files the editors load are kept whole in memory and stored behind 32-bit counts.
  if (size.QuadPart > 0x7FFFFFFF) return SystemError(ERROR_NOT_ENOUGH_MEMORY);
  std::vector<std::uint8_t> bytes;
  try {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return SystemError(ERROR_NOT_ENOUGH_MEMORY);
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
    if (!ReadFile(file, bytes.data() + done, want, &got, nullptr))
      return SystemError(GetLastError());
    if (got == 0) break;  // the file became shorter while being read
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace plexara::win32
