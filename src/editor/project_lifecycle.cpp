#include "editor/project_lifecycle.h"

#include <utility>

#include "storage/startup_context.h"

namespace plexara {

std::string TempCopyPath(std::string_view editorFolder, std::string_view pageName) {
  return JoinPath(JoinPath(editorFolder, kEditorTempFolderName.substr(1)),
                  std::string(pageName) + std::string(kPageFileExtension));
}

std::string WithoutTrailingBackslash(std::string_view folder) {
  if (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  return std::string(folder);
}

OpenResult OpenProjectFolder(EditorDocument& document, std::string_view folder,
                             std::string_view editorFolder, EditorFiles& files) {
  const std::string projectFolder = WithoutTrailingBackslash(folder);
  const std::string projectFile = ProjectFilePath(projectFolder);
  if (!files.FileExists(projectFile)) return OpenResult::NoProjectFile;
  ProjectData loaded;
  if (!files.LoadProjectFile(projectFile, loaded)) return OpenResult::LoadFailed;

  DiscardTempCopies(document, editorFolder, files);
  for (TAutoFormInfo& page : loaded.pages) {
    page.savedName = page.name;
    page.pageModified = false;
  }
  document.projectFolder = projectFolder;
  document.settings = std::move(loaded.settings);
  document.pages = std::move(loaded.pages);
  document.deletedPages.clear();
  document.currentPage = -1;
  MarkModified(document, false);
  return OpenResult::Opened;
}

void DiscardTempCopies(const EditorDocument& document, std::string_view editorFolder,
                       EditorFiles& files) {
  for (const TAutoFormInfo& page : document.pages) {
    if (page.pageModified) files.RemoveFile(TempCopyPath(editorFolder, page.name));
  }
}

std::optional<PageSwitchPlan> PlanPageSwitch(const EditorDocument& document, std::int32_t newIndex,
                                             std::string_view editorFolder) {
  if (newIndex < 0 || static_cast<std::size_t>(newIndex) >= document.pages.size())
    return std::nullopt;
  PageSwitchPlan plan;
  const std::int32_t current = document.currentPage;
  if (current >= 0 && static_cast<std::size_t>(current) < document.pages.size() &&
      document.pages[static_cast<std::size_t>(current)].pageModified) {
    plan.saveWorkingPageTo =
        TempCopyPath(editorFolder, document.pages[static_cast<std::size_t>(current)].name);
  }
  const TAutoFormInfo& next = document.pages[static_cast<std::size_t>(newIndex)];
  if (next.pageModified) {
    plan.loadFrom = TempCopyPath(editorFolder, next.name);
  } else {
    plan.loadFrom = PageFilePath(document.projectFolder, next.name);
    plan.centre = true;
  }
  return plan;
}

}  // namespace plexara
