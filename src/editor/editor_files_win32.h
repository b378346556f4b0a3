// The real file system behind the editor's save and project lifecycle.
#pragma once

#include "editor/editor_files.h"

namespace plexara {

class Win32EditorFiles final : public EditorFiles {
 public:
  bool FolderExists(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool ReplaceWithCopy(const std::string& source, const std::string& target) override;
  bool ReplaceContents(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
  std::string ExecutableVersion(const std::string& path) override;
  bool SavePageFile(const std::string& path, const PageData& page) override;
  bool SaveProjectFile(const std::string& path, const ProjectData& project) override;
  bool LoadProjectFile(const std::string& path, ProjectData& project) override;
};

}  // namespace plexara
