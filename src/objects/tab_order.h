// The tab order of a page's windowed controls once every object has been read. The form inputs
// (Edit, RadioButton, CheckBox) keep the tab position their records store: for each position v
// from 0 up, the first form input that stored v is moved to position v (clamped to the end), the
// way setting a control's tab position moves it within its parent's list. Then the boxes, media
// players, slide shows, Flash and list kinds go to the end in page order, so Tab reaches the form
// first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace plexara {

struct TabOrderItem {
  std::uint8_t kind = 0;
  std::int32_t storedTabOrder = 0;  // only read for the form-input kinds
};

// items: the windowed controls in creation (page) order; objectCount: every object of the page,
// drawn ones included (the positions tried run from 0 to objectCount - 1). Returns indices into
// items in their final tab order.
std::vector<std::size_t> ComputeTabOrder(std::span<const TabOrderItem> items,
                                         std::size_t objectCount);

bool IsFormInputKind(std::uint8_t kind);

}  // namespace plexara
