// The final tab order of a page's windowed controls: stored positions of the form inputs, clamping
// to the end, and the kinds that go last.
#include "objects/tab_order.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

constexpr std::uint8_t kButton = 0, kTextBox = 8, kListBox = 20, kEdit = 14, kRadio = 15,
                       kCheck = 16;

TEST(TabOrder, FormInputsTakeTheirStoredPositionsAndBoxesGoLast) {
  const struct {
    const char* name;
    std::vector<TabOrderItem> items;
    std::size_t objectCount;
    std::vector<std::size_t> order;
  } cases[] = {
      // An Edit read first with tab order 3 ends at position 3 when 0..2 are taken by other inputs.
      {"stored positions", {{kEdit, 3}, {kRadio, 0}, {kCheck, 1}, {kEdit, 2}}, 4, {1, 2, 3, 0}},
      // Controls that are not form inputs keep their relative order around them.
      {"buttons keep their order", {{kButton, 0}, {kEdit, 0}, {kButton, 0}}, 3, {1, 0, 2}},
      // A position beyond the list clamps to its end.
      {"clamped", {{kEdit, 7}, {kButton, 0}, {kButton, 0}}, 10, {1, 2, 0}},
      // Only the first input that stored a position takes it.
      {"first wins", {{kEdit, 0}, {kCheck, 0}}, 2, {0, 1}},
      // Positions at or beyond the object count are never tried.
      {"beyond the page", {{kButton, 0}, {kEdit, 2}}, 2, {0, 1}},
      // Boxes and lists go to the end in page order, after everything else.
      {"boxes last", {{kTextBox, 0}, {kEdit, 0}, {kListBox, 0}, {kButton, 0}}, 4, {1, 3, 0, 2}},
      {"negative stored", {{kButton, 0}, {kEdit, -1}}, 2, {0, 1}},
      {"empty", {}, 3, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ComputeTabOrder(c.items, c.objectCount), c.order);
  }
}

}  // namespace
}  // namespace plexara
