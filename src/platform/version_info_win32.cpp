#include "platform/version_info_win32.h"

#include <windows.h>

#include <vector>

namespace plexara::win32 {

std::string FileVersionOf(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return {};
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\FileVersion", reinterpret_cast<void**>(&value),
                      &length) ||
      value == nullptr) {
    return {};
  }
  std::string version(value, length);
  // The length counts the terminating zero, when there is one.
  while (!version.empty() && version.back() == '\0') version.pop_back();
  return version;
}

}  // namespace plexara::win32
