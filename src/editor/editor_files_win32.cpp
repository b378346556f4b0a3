#include "editor/editor_files_win32.h"

#include "platform/version_info_win32.h"

#include <windows.h>

#include "platform/file_system_win32.h"
#include "storage/file_io.h"

namespace plexara {
namespace {

// The temporary name beside the target that replacing writes go through (the one the codecs use).
std::string SavingName(const std::string& path) { return path + ".saving"; }

}  // namespace

bool Win32EditorFiles::FolderExists(const std::string& path) {
  return win32::Win32FileSystem().FolderExists(path);
}

bool Win32EditorFiles::FileExists(const std::string& path) {
  return win32::Win32FileSystem().FileExists(path);
}

bool Win32EditorFiles::MakeFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Win32EditorFiles::RemoveFile(const std::string& path) {
  if (DeleteFileA(path.c_str()) != 0) return true;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool Win32EditorFiles::ReplaceWithCopy(const std::string& source, const std::string& target) {
  const std::string temporary = SavingName(target);
  if (CopyFileA(source.c_str(), temporary.c_str(), FALSE) == 0) return false;
  if (MoveIntoPlace(temporary, target)) return true;
  const DWORD error = GetLastError();
  DeleteFileA(temporary.c_str());
  SetLastError(error);  // the error report names why the copy failed, not the clean-up
  return false;
}

bool Win32EditorFiles::ReplaceContents(const std::string& path,
                                       const std::vector<std::uint8_t>& bytes) {
  return ReplaceFileContents(path, bytes).ok();
}

std::string Win32EditorFiles::ExecutableVersion(const std::string& path) { return win32::FileVersionOf(path); }

bool Win32EditorFiles::SavePageFile(const std::string& path, const PageData& page) {
  return plexara::SavePageFile(path, page);
}

bool Win32EditorFiles::SaveProjectFile(const std::string& path, const ProjectData& project) {
  return plexara::SaveProjectFile(path, project);
}

bool Win32EditorFiles::LoadProjectFile(const std::string& path, ProjectData& project) {
  return plexara::LoadProjectFile(path, project, ReservedByte::Skip);
}

}  // namespace plexara
