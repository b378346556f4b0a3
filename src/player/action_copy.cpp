#include "player/action_copy.h"

#include "player/action_shell.h"
#include "storage/startup_context.h"

namespace plexara {
namespace {

std::string Child(const std::string& folder, const std::string& name) {
  return folder + "\\" + name;
}

// A name below the target folder: the folder, then the name with one leading backslash.
std::string BelowTarget(const std::string& targetFolder, std::string_view name) {
  std::string path = targetFolder;
  if (name.empty() || name.front() != '\\') path.push_back('\\');
  path += name;
  return path;
}

bool TreeNeedsCopyingAt(CopyFileSystem& files, const std::string& source, const std::string& target,
                        int depth) {
  if (depth > kMaxCopyTreeDepth) return false;
  const CopyFileSystem::Listing listing = files.ListFolder(source);
  for (const std::string& file : listing.files) {
    if (!files.FileExists(Child(target, file))) return true;
  }
  for (const std::string& folder : listing.folders) {
    const std::string below = Child(target, folder);
    if (!files.FolderExists(below)) return true;
    if (TreeNeedsCopyingAt(files, Child(source, folder), below, depth + 1)) return true;
  }
  return false;
}

void CopyTree(CopyFileSystem& files, const std::string& source, const std::string& target,
              bool overwrite, int depth) {
  if (depth > kMaxCopyTreeDepth) return;
  files.CreateFolderPath(target);
  const CopyFileSystem::Listing listing = files.ListFolder(source);
  for (const std::string& file : listing.files) {
    const std::string destination = Child(target, file);
    if (overwrite || !files.FileExists(destination))
      files.CopyOneFile(Child(source, file), destination);
  }
  for (const std::string& folder : listing.folders) {
    CopyTree(files, Child(source, folder), Child(target, folder), overwrite, depth + 1);
  }
}

// The prompt before copying; false when the user declined.
bool Agreed(const CopyFileSettings& settings, const CopyActionContext& context) {
  if (!settings.showMessage) return true;
  switch (settings.messageType) {
    case kCopyMessageInformation:
      ShowInformationBox(context.boxes, settings.message, settings.caption, context.owner);
      return true;
    case kCopyMessageQuestion:
      return AskYesNo(context.boxes, settings.message, settings.caption, MessageIcon::Question,
                      context.owner);
    default:
      return true;  // other message types show nothing
  }
}

}  // namespace

bool TreeNeedsCopying(CopyFileSystem& files, const std::string& source, const std::string& target) {
  return TreeNeedsCopyingAt(files, source, target, 0);
}

bool RunCopyAction(const CopyFileSettings& settings, const CopyActionContext& context) {
  const std::string_view source = TrimmedText(settings.source);
  if (source.empty()) return false;
  std::string targetFolder(TrimmedText(settings.targetFolder));
  // A macro naming a folder without a file-system path leaves the text as written.
  const std::string resolved = ResolveFolderMacro(targetFolder, context.folderLookup);
  if (!resolved.empty()) targetFolder = resolved;

  const std::string_view runFile = TrimmedText(settings.runFile);
  const std::string_view runFolder = TrimmedText(settings.runFolder);

  CopyFileSystem& files = context.files;
  const std::string sourcePath = ActionRelativePath(context.projectRoot, source);
  if (files.FileExists(sourcePath)) {
    const std::string destination = Child(targetFolder, std::string(FileNamePart(sourcePath)));
    if (settings.overwrite || !files.FileExists(destination)) {
      if (!Agreed(settings, context)) return false;
      // The tree copy creates its folders; a single file gets its folder too, so the program
      // started next is really there.
      files.CreateFolderPath(targetFolder);
      files.CopyOneFile(sourcePath, destination);
    }
  } else if (files.FolderExists(sourcePath)) {
    if (settings.overwrite || TreeNeedsCopying(files, sourcePath, targetFolder)) {
      if (!Agreed(settings, context)) return false;
      CopyTree(files, sourcePath, targetFolder, settings.overwrite, 0);
    }
  } else {
    return false;
  }

  if (!runFile.empty()) {
    ShellRequest request;
    request.operation = "open";
    request.file = BelowTarget(targetFolder, runFile);
    request.parameters = settings.runParameters;
    if (!runFolder.empty()) request.folder = BelowTarget(targetFolder, runFolder);
    request.showCommand = kShowNormal;
    context.shell.Open(request);  // not reported: the copy is what the action promised
  }
  return true;
}

}  // namespace plexara
