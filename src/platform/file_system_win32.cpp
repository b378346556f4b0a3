#include "platform/file_system_win32.h"

#include <windows.h>

#include <vector>

namespace plexara::win32 {

bool Win32FileSystem::FileExists(const std::string& path) const {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FolderExists(const std::string& path) const {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::RemoveFolder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }

bool Win32FileSystem::RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::string ExecutablePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
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

std::string ReadIniString(const std::string& iniPath, const std::string& section, const std::string& key) {
  std::vector<char> buffer(1024);
  for (;;) {
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), iniPath.c_str());
    if (length + 1 < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace plexara::win32
