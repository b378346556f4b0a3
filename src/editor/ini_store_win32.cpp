#include "editor/ini_store_win32.h"

#include <windows.h>

#include "platform/file_system_win32.h"

namespace plexara {

// The profile functions cannot tell a missing key from an empty value; both read as "missing",
// which leaves the caller's default, as an empty value would not parse anyway.
std::optional<std::string> Win32IniStore::Get(std::string_view section, std::string_view key) {
  std::string value = win32::ReadIniString(iniPath_, std::string(section), std::string(key));
  if (value.empty()) return std::nullopt;
  return value;
}

bool Win32IniStore::Set(std::string_view section, std::string_view key, std::string_view value) {
  return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                    std::string(value).c_str(), iniPath_.c_str()) != 0;
}

}  // namespace plexara
