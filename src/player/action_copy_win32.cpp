#include "player/action_copy_win32.h"

#include <windows.h>

#include "platform/file_system_win32.h"

namespace plexara::win32 {

bool Win32CopyFileSystem::FileExists(const std::string& path) {
  return Win32FileSystem().FileExists(path);
}

bool Win32CopyFileSystem::FolderExists(const std::string& path) {
  return Win32FileSystem().FolderExists(path);
}

CopyFileSystem::Listing Win32CopyFileSystem::ListFolder(const std::string& folder) {
  Listing listing;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return listing;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      listing.folders.push_back(name);
    } else {
      listing.files.push_back(name);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return listing;
}

bool Win32CopyFileSystem::CreateFolderPath(const std::string& path) {
  std::string folder = path;
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  if (folder.empty() || FolderExists(folder)) return !folder.empty();
  const std::size_t cut = folder.find_last_of("\\/");
  // Parents first, up to a drive ("C:") or the top of a share, which cannot be created.
  if (cut != std::string::npos && cut > 0) {
    const std::string parent = folder.substr(0, cut);
    if (parent.back() != ':' && parent != "\\") CreateFolderPath(parent);
  }
  return CreateDirectoryA(folder.c_str(), nullptr) != 0 || FolderExists(folder);
}

bool Win32CopyFileSystem::CopyOneFile(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), /*bFailIfExists=*/FALSE) != 0;
}

}  // namespace plexara::win32
