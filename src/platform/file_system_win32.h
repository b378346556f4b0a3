// The real file-system probe and remover behind the start-up decisions and the cleanup walk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/result.h"
#include "storage/startup_context.h"

namespace plexara::win32 {

class Win32FileSystem final : public FileSystemProbe, public FileRemover {
 public:
  bool FileExists(const std::string& path) const override;
  bool FolderExists(const std::string& path) const override;
  bool RemoveFolder(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
};

// GetModuleFileNameA of the running executable, whatever its length.
std::string ExecutablePath();
// The system's temp folder without its trailing backslash; empty when there is none.
std::string SystemTempFolder();
// The whole file through the platform, so a failure carries the platform's own reason (missing,
// locked, denied, too large for memory) as the error reporter words it.
Result<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);
// GetPrivateProfileStringA with an empty default.
std::string ReadIniString(const std::string& iniPath, const std::string& section,
                          const std::string& key);

}  // namespace plexara::win32
