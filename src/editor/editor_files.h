// What the save and the project lifecycle ask of the file system. Every write is whole: the new
// contents go to a temporary file in the target's folder, which then replaces the target, so an
// interrupted save leaves each file either old or new. The Win32 side is editor_files_win32.h;
// tests use an in-memory fake. (Names avoid the Win32 macros CreateDirectory, DeleteFile and
// CopyFile, which would rename the members in files that include <windows.h>.)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/page_file.h"
#include "storage/project_file.h"

namespace plexara {

class EditorFiles {
 public:
  virtual ~EditorFiles() = default;
  virtual bool FolderExists(const std::string& path) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool MakeFolder(const std::string& path) = 0;
  // True when the file is gone afterwards (a missing file counts as removed).
  virtual bool RemoveFile(const std::string& path) = 0;
  // Copies source over target, replacing it whole.
  virtual bool ReplaceWithCopy(const std::string& source, const std::string& target) = 0;
  virtual bool ReplaceContents(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
  // The FileVersion string of an executable's version resource; empty when the file or the
  // value is missing.
  virtual std::string ExecutableVersion(const std::string& path) = 0;
  // The page and project codecs on disk; each reports its own failure once.
  virtual bool SavePageFile(const std::string& path, const PageData& page) = 0;
  virtual bool SaveProjectFile(const std::string& path, const ProjectData& project) = 0;
  virtual bool LoadProjectFile(const std::string& path, ProjectData& project) = 0;
};

}  // namespace plexara
