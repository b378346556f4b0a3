// The pages of the tabbed notebook: the first page, then the listed Sub Pages in list order.
#include "player/tab_pages.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TEST(TabPages, FirstPageThenListedSubPagesInListOrder) {
  ProjectData project;
  project.pages = {{.name = "Main", .kind = 2}, {.name = "A", .kind = 3}, {.name = "B", .kind = 3},
                   {.name = "Exit", .kind = 4}, {.name = "a", .kind = 3}};
  project.settings.tabSheetList = "B\r\nMissing\r\nExit\r\nA\r\n\r\na";
  // "Missing" names no page and "Exit" is not a Sub Page; names match exactly.
  EXPECT_EQ(TabbedPages(project), (std::vector<std::size_t>{0, 2, 1, 4}));
  project.settings.tabSheetList.clear();
  EXPECT_EQ(TabbedPages(project), std::vector<std::size_t>{0});
  EXPECT_TRUE(TabbedPages(ProjectData{}).empty());
}

}  // namespace
}  // namespace plexara
