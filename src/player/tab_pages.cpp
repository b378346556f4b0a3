#include "player/tab_pages.h"

#include <string_view>

#include "storage/page_file.h"

namespace plexara {

std::vector<std::size_t> TabbedPages(const ProjectData& project) {
  std::vector<std::size_t> tabs;
  if (project.pages.empty()) return tabs;
  tabs.push_back(0);
  std::string_view list = project.settings.tabSheetList;
  while (!list.empty()) {
    const std::size_t end = list.find("\r\n");
    const std::string_view line = list.substr(0, end);
    list = end == std::string_view::npos ? std::string_view() : list.substr(end + 2);
    for (std::size_t i = 0; i < project.pages.size(); ++i) {
      const TAutoFormInfo& entry = project.pages[i];
      if (entry.kind == static_cast<std::uint8_t>(PageKind::SubPage) && entry.name == line) {
        tabs.push_back(i);
        break;
      }
    }
  }
  return tabs;
}

}  // namespace plexara
