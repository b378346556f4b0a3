// The real file system behind "Copy File(s) then Open/Run".
#pragma once

#include "player/action_copy.h"

namespace plexara::win32 {

class Win32CopyFileSystem final : public CopyFileSystem {
 public:
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  Listing ListFolder(const std::string& folder) override;
  bool CreateFolderPath(const std::string& path) override;
  bool CopyOneFile(const std::string& from, const std::string& to) override;
};

}  // namespace plexara::win32
