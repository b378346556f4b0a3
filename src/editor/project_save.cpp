#include "editor/project_save.h"

#include <vector>

#include "editor/project_lifecycle.h"
#include "storage/ascii_case.h"
#include "storage/error_report.h"
#include "storage/startup_context.h"

namespace plexara {
namespace {

constexpr std::string_view kPlayerFileName = "autorun.exe";
constexpr std::string_view kAutorunInfFileName = "autorun.inf";
constexpr std::string_view kDefaultIconFileName = "Default.ico";

bool SameFolder(std::string_view a, std::string_view b) {
  return SameTextIgnoringCase(WithoutTrailingBackslash(a), WithoutTrailingBackslash(b));
}

// Page names compare without letter case, as file names do on the target system: a file that a
// page of the project now names is that page's file and is never deleted.
bool NamesCurrentPage(const EditorDocument& document, std::string_view name) {
  for (const TAutoFormInfo& page : document.pages) {
    if (SameTextIgnoringCase(page.name, name)) return true;
  }
  return false;
}

// Deletions that could not run yet wait for the next save into the same folder.
void KeepForNextSave(EditorDocument& document, std::string_view folder,
                     const std::vector<std::string>& names) {
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    TAutoFormInfo entry;
    entry.name = *name;
    entry.savedName = *name;
    document.deletedPages.push_back({std::move(entry), std::string(folder)});
  }
}

bool CopyPlayerIfOutdated(const std::string& folder, const SaveEnvironment& environment) {
  const std::string player = JoinPath(folder, kPlayerFileName);
  // A missing player has an empty version; it is copied even when the editor has none either.
  if (environment.files.FileExists(player) &&
      environment.files.ExecutableVersion(player) == environment.editorVersion) {
    return true;
  }
  return environment.files.ReplaceWithCopy(environment.editorExecutable, player);
}

// Writes every modified page into the folder, in page list order, and collects the old names of
// renamed pages. Stops at the first page that cannot be written; that page and the later ones stay
// modified with their temp copies.
bool WriteModifiedPages(EditorDocument& document, const std::string& folder,
                        const SaveEnvironment& environment, std::vector<std::string>& oldFiles) {
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    TAutoFormInfo& page = document.pages[i];
    if (!page.pageModified) continue;
    const std::string target = PageFilePath(folder, page.name);
    const std::string tempCopy = TempCopyPath(environment.editorFolder, page.name);
    if (static_cast<std::int32_t>(i) == document.currentPage) {
      if (!environment.saveWorkingPage(target)) return false;
    } else if (!environment.files.ReplaceWithCopy(tempCopy, target)) {
      ReportFileError(kCodeSavePageFile, target);
      return false;
    }
    if (!page.savedName.empty() && page.savedName != page.name) oldFiles.push_back(page.savedName);
    page.savedName = page.name;
    page.pageModified = false;
    environment.files.RemoveFile(tempCopy);
  }
  return true;
}

}  // namespace

bool SaveProject(EditorDocument& document, std::string_view folderText,
                 const SaveEnvironment& environment) {
  const std::string folder(folderText);
  EditorFiles& files = environment.files;
  if (!files.FolderExists(folder)) {
    ShowErrorBox("Directory \"" + folder + "\" not found");
    return false;
  }
  if (!CopyPlayerIfOutdated(folder, environment)) {
    ReportStreamError(kCodeCopyPlayer);
    return false;
  }
  files.ReplaceContents(JoinPath(folder, kAutorunInfFileName),
                        std::vector<std::uint8_t>(kAutorunInfText.begin(), kAutorunInfText.end()));
  const std::string sourceFolder = JoinPath(folder, kProjectSourceFolder);
  if (!files.FolderExists(sourceFolder)) files.MakeFolder(sourceFolder);

  // Page files to delete, the deleted pages from last to first. Entries deleted from another
  // project's folder are dropped: they must never delete files here.
  std::vector<std::string> oldFiles;
  for (auto deleted = document.deletedPages.rbegin(); deleted != document.deletedPages.rend();
       ++deleted) {
    if (SameFolder(deleted->folder, folder)) oldFiles.push_back(deleted->page.name);
  }
  document.deletedPages.clear();

  if (!WriteModifiedPages(document, folder, environment, oldFiles) ||
      !files.SaveProjectFile(ProjectFilePath(folder),
                             ProjectData{document.settings, document.pages})) {
    KeepForNextSave(document, folder, oldFiles);
    return false;
  }
  // Only now that the project file names the new pages may the files of the old names go.
  for (const std::string& name : oldFiles) {
    if (!NamesCurrentPage(document, name)) files.RemoveFile(PageFilePath(folder, name));
  }

  const std::string icon = JoinPath(folder, kDiscIconName.substr(1));
  if (!files.FileExists(icon) &&
      !files.ReplaceWithCopy(JoinPath(environment.editorFolder, kDefaultIconFileName), icon)) {
    ReportStreamError(kCodeCopyDiscIcon);
    return false;
  }
  WriteDefaultPath(environment.settings, folder);
  MarkModified(document, false);
  return true;
}

}  // namespace plexara
