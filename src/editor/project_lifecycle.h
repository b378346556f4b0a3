// Opening a project folder, the temp copies of modified pages, and what a tab change loads. The
// main window asks the questions and runs the dialogs; these functions make the decisions and
// change the document.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/editor_document.h"
#include "editor/editor_files.h"

namespace plexara {

// <editor folder>\Temp\<name>.pg: where a modified page that is not on screen keeps its state.
std::string TempCopyPath(std::string_view editorFolder, std::string_view pageName);

// The folder as picked, without one trailing backslash.
std::string WithoutTrailingBackslash(std::string_view folder);

enum class OpenResult : std::uint8_t {
  Opened,
  NoProjectFile,  // the window offers "The project file does not exist. Create new project?"
  LoadFailed,     // the codec has reported it; the window offers "Create new project?"
};

// Loads <folder>\AutoRunSource\AutoRun.src into a fresh project first, and only when that
// succeeds replaces the document: the previous project's temp copies are deleted, its deleted
// pages forgotten, the page list and settings taken from the file, the folder set and the
// modified flag cleared. On any other result the document is exactly as before, so a later save
// still writes the previous project whole into its own folder.
OpenResult OpenProjectFolder(EditorDocument& document, std::string_view folder,
                             std::string_view editorFolder, EditorFiles& files);

// Close: deletes the temp copy of every modified page (the temp folder itself stays).
void DiscardTempCopies(const EditorDocument& document, std::string_view editorFolder,
                       EditorFiles& files);

// What a tab change does with the page files.
struct PageSwitchPlan {
  std::string saveWorkingPageTo;  // the outgoing page's temp copy; empty: nothing to save
  std::string loadFrom;           // the temp copy of a modified page, else the project's page file
  bool centre = false;  // a page read from the project folder is centred in the design area
};
// nullopt when there are no pages or the index is outside the page list.
std::optional<PageSwitchPlan> PlanPageSwitch(const EditorDocument& document, std::int32_t newIndex,
                                             std::string_view editorFolder);

// The left (or top) of a page centred in the design area: (area - page) div 2, at least 0.
constexpr std::int32_t CentredOffset(std::int32_t areaSize, std::int32_t pageSize) {
  const std::int32_t offset = (areaSize - pageSize) / 2;
  return offset < 0 ? 0 : offset;
}

}  // namespace plexara
