#include "storage/startup_context.h"

#include "storage/ascii_case.h"

namespace plexara {

StartupContext& Context() {
  static StartupContext context;
  return context;
}

void TempCleanupList::Walk(FileRemover& remover) const {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    if (it->empty()) continue;
    const std::string path = it->substr(1);
    if ((*it)[0] == 'D') {
      remover.RemoveFolder(path);
    } else if ((*it)[0] == 'F') {
      remover.RemoveFile(path);
    }
  }
}

std::string_view FileNamePart(std::string_view path) {
  const auto cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

bool IsEditorExecutable(std::string_view exePath) {
  return UpperAscii(FileNamePart(exePath)) == UpperAscii(kEditorExeName);
}

std::string ExeFolderFromPath(std::string_view exePath) {
  std::string_view folder = exePath.substr(0, exePath.size() - FileNamePart(exePath).size());
  if (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  return std::string(folder);
}

bool SkipsSingleInstanceTest(const std::vector<std::string>& args) {
  return args.size() >= 2 && args[1] == kInitialisationArgument;
}

std::string EditorProjectRoot(const std::string& exeFolder, const FileSystemProbe& probe,
                              const std::function<std::string(const std::string& iniPath)>& readDefaultPath) {
  std::string root;
  const std::string iniPath = exeFolder + std::string(kEditorIniName);
  if (probe.FileExists(iniPath)) root = readDefaultPath(iniPath);
  // The project root never ends in a backslash; paths are joined to it by plain concatenation.
  if (!root.empty() && root.back() == '\\') root.pop_back();
  const std::string fallback = exeFolder + std::string(kEditorFallbackFolder);
  if (root.empty() && probe.FolderExists(fallback)) root = fallback;
  return root;
}

std::string SourceProjectFilePath(const std::string& projectRoot) {
  return projectRoot + std::string(kSourceFolderName) + "\\" + std::string(kProjectFileName);
}

SourceMode ChooseSourceMode(const std::string& projectRoot, const FileSystemProbe& probe) {
  if (probe.FileExists(SourceProjectFilePath(projectRoot))) return SourceMode::SourceFolder;
  if (probe.FileExists(projectRoot + std::string(kTargetFileName))) return SourceMode::TargetFile;
  return SourceMode::SelfContained;
}

}  // namespace plexara
