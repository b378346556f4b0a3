// Which pages get a tab in the tabbed notebook style: the first page of the project, then, for
// every line of the tab sheet list in order, the Sub Page of exactly that name; lines naming no
// Sub Page are skipped.
#pragma once

#include <cstddef>
#include <vector>

#include "storage/project_file.h"

namespace plexara {

// Indices into project.pages, in tab order; empty for a project without pages.
std::vector<std::size_t> TabbedPages(const ProjectData& project);

}  // namespace plexara
