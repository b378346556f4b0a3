// "Copy File(s) then Open/Run": copies a file or a folder tree from the disc to a folder of the
// user's machine (an absolute path or a folder macro such as [ProgramFiles]), after an optional
// prompt, and then starts a program from the copy. Portable: the file system, the shell and the
// boxes come in through seams, so the copy rules are tested without a disc.
#pragma once

#include <string>
#include <vector>

#include "platform/shell_seam.h"
#include "player/special_folders.h"
#include "storage/action_targets.h"

namespace plexara {

// What copying needs from the file system. Paths are system code page strings joined with
// backslashes.
class CopyFileSystem {
 public:
  struct Listing {
    std::vector<std::string> folders;  // names only
    std::vector<std::string> files;
  };

  virtual ~CopyFileSystem() = default;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // The files and sub-folders directly inside a folder; empty when it cannot be read.
  virtual Listing ListFolder(const std::string& folder) = 0;
  // Creates the folder with every missing parent; true when it exists afterwards.
  virtual bool CreateFolderPath(const std::string& path) = 0;
  // Copies a file, replacing an existing destination.
  virtual bool CopyOneFile(const std::string& from, const std::string& to) = 0;
};

// Deepest folder nesting copied; deeper trees loop through links or are not worth following.
inline constexpr int kMaxCopyTreeDepth = 64;

struct CopyActionContext {
  std::string projectRoot;
  CopyFileSystem& files;
  Shell& shell;
  MessageBoxes& boxes;
  SpecialFolderLookup folderLookup;  // resolves the entry number of a folder macro
  NativeWindow owner = nullptr;      // owner of the prompt
};

// Whether copying a folder tree onto a target folder would add anything: some file of the source
// tree, or some sub-folder of it, has no counterpart at the same place below the target folder.
bool TreeNeedsCopying(CopyFileSystem& files, const std::string& source, const std::string& target);

// Runs the action; true once the copy step is complete (the program start is not checked). An
// empty source, a source that is neither file nor folder, or a prompt answered with anything but
// Yes copies and runs nothing and returns false. Failed copies of single files are not reported.
bool RunCopyAction(const CopyFileSettings& settings, const CopyActionContext& context);

}  // namespace plexara
