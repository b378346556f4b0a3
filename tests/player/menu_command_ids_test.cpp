// Menu command ids: a page that rebuilds its menus for as long as it runs keeps reusing a few ids,
// never hands out one that is still in use, and stops cleanly when a range is used up.
#include "player/menu_command_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace plexara {
namespace {

TEST(MenuCommandIds, ManyRebuildsReuseIdsAndNeverCollideWithLiveOnes) {
  MenuCommandIds ids;
  std::vector<bool> live(std::size_t{kLastMenuCommandId} + 1);
  // A menu bar that lives for the whole run.
  std::vector<std::uint16_t> menuBar;
  for (int i = 0; i < 5; ++i) menuBar.push_back(ids.Allocate().value());
  for (std::uint16_t id : menuBar) live[id] = true;
  constexpr std::size_t kLargestMenu = 20;
  std::uint16_t highest = 0;
  std::vector<std::uint16_t> menu;
  for (int cycle = 0; cycle < 100000; ++cycle) {
    menu.clear();
    const std::size_t size = 1 + static_cast<std::size_t>(cycle) % kLargestMenu;
    for (std::size_t i = 0; i < size; ++i) {
      const std::optional<std::uint16_t> id = ids.Allocate();
      ASSERT_TRUE(id.has_value()) << "cycle " << cycle;
      ASSERT_FALSE(live[*id]) << "id " << *id << " handed out twice, cycle " << cycle;
      live[*id] = true;
      menu.push_back(*id);
      highest = std::max(highest, *id);
    }
    if (cycle % 2 == 1) std::reverse(menu.begin(), menu.end());  // menus go in either order
    for (std::uint16_t id : menu) {
      ids.Release(id);
      live[id] = false;
    }
  }
  EXPECT_GE(highest, kFirstMenuCommandId);
  EXPECT_LT(highest, kFirstMenuCommandId + menuBar.size() + kLargestMenu);
  EXPECT_EQ(ids.inUseCount(), menuBar.size());
  for (std::uint16_t id : menuBar) EXPECT_TRUE(ids.InUse(id));
}

TEST(MenuCommandIds, LowestFreeFirstAndAUsedUpRangeRefuses) {
  MenuCommandIds ids(10, 13);
  for (std::uint16_t expected = 10; expected <= 13; ++expected) EXPECT_EQ(ids.Allocate(), expected);
  EXPECT_EQ(ids.Allocate(), std::nullopt);

  ids.Release(12);
  ids.Release(11);
  EXPECT_EQ(ids.Allocate(), 11);
  // Releasing twice, or releasing an id the range never had, must not free an id for a second
  // item while the first still holds it.
  ids.Release(12);
  ids.Release(12);
  ids.Release(9);
  ids.Release(14);
  EXPECT_EQ(ids.Allocate(), 12);
  EXPECT_EQ(ids.Allocate(), std::nullopt);
  EXPECT_FALSE(ids.InUse(9));
  EXPECT_EQ(ids.inUseCount(), 4u);
}

}  // namespace
}  // namespace plexara
