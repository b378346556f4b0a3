// The decisions of the player's start-up sequence that need no windows: which pages of the page
// list play which role, and whether a project that requires administrative privilege may start.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/shell_seam.h"
#include "storage/page_file.h"
#include "storage/project_file.h"

namespace plexara {

// The caption of the box that refuses a start without administrative privilege.
inline constexpr std::string_view kAdministratorCaption = "Information";

// Indices of the page entries of a kind, in page-list order.
std::vector<std::size_t> PagesOfKind(const ProjectData& project, PageKind kind);
// The first page entry of a kind; only the first Main Page, Exit, Security and Agreement Form are
// used.
std::optional<std::size_t> FirstPageOfKind(const ProjectData& project, PageKind kind);

// A project that requires administrative privilege starts only for a process that has it;
// otherwise the project's message is shown and false returned (nothing else is shown).
bool AdministrativePrivilegeAllowsStart(const TSettings& settings, bool runsAsAdministrator,
                                        MessageBoxes& boxes);

}  // namespace plexara
