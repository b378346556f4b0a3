#include "player/startup_sequence.h"

namespace plexara {

std::vector<std::size_t> PagesOfKind(const ProjectData& project, PageKind kind) {
  std::vector<std::size_t> pages;
  for (std::size_t i = 0; i < project.pages.size(); ++i) {
    if (project.pages[i].kind == static_cast<std::uint8_t>(kind)) pages.push_back(i);
  }
  return pages;
}

std::optional<std::size_t> FirstPageOfKind(const ProjectData& project, PageKind kind) {
  for (std::size_t i = 0; i < project.pages.size(); ++i) {
    if (project.pages[i].kind == static_cast<std::uint8_t>(kind)) return i;
  }
  return std::nullopt;
}

bool AdministrativePrivilegeAllowsStart(const TSettings& settings, bool runsAsAdministrator,
                                        MessageBoxes& boxes) {
  if (!settings.requireAdministrator || runsAsAdministrator) return true;
  ShowInformationBox(boxes, settings.administratorMessage, kAdministratorCaption);
  return false;
}

}  // namespace plexara
