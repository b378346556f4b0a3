// The open project as the editor holds it in memory: the project folder, the settings, the page
// list in tab order with each page's saved name and modified flag, the pages deleted since the
// last save, the current tab and the paste offset. The main window owns the one document; the
// page at the current tab lives in the working page window, every other modified page in its
// temp copy (project_lifecycle.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/page_file.h"
#include "storage/project_file.h"

namespace plexara {

// A page removed from the page list, with the folder of the project it was removed from: its
// page file is deleted by the next save into that folder only, never from another project.
struct DeletedPage {
  TAutoFormInfo page;
  std::string folder;
};

struct EditorDocument {
  std::string projectFolder;  // no trailing backslash; empty: no project open
  TSettings settings;
  std::vector<TAutoFormInfo> pages;  // tab order
  std::vector<DeletedPage> deletedPages;
  std::int32_t currentPage =
      -1;  // the page in the working page window; -1 none since the tabs were rebuilt
  bool modified = false;
  bool starting = true;
  std::int32_t pasteOffset = 0;
};

// Sets the project's modified flag; a change (true) also flags the page at the current tab.
void MarkModified(EditorDocument& document, bool value);

// Removes the page entry at index into the deleted-page list, remembering the project folder.
void MovePageToDeleted(EditorDocument& document, std::size_t index);

// The display name of a page kind ("Splash Screen" ... "Agreement Form"); empty for an unknown
// code.
std::string_view PageKindName(int kind);

// Texts of the left status panel.
std::string PagePropertiesText(int pageKind);  // "<kind> Properties"
// "Object Properties  [i / n]": i the selector index, n the number of objects.
std::string ObjectPropertiesText(int selectorIndex, int objectCount);
inline constexpr std::string_view kMultiSelectedText = "Multi - Selected";

}  // namespace plexara
