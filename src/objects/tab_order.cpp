#include "objects/tab_order.h"

#include <algorithm>

#include "storage/form_input_records.h"

namespace plexara {
namespace {

// TextBox, RichText, AVI, Explorer, MediaPlayer, SlideShow, Flash and the list and shell kinds.
bool GoesLast(std::uint8_t kind) {
  return (kind >= 8 && kind <= 13) || kind == 18 || (kind >= 20 && kind <= 26);
}

void MoveTo(std::vector<std::size_t>& order, std::size_t item, std::size_t position) {
  const auto at = std::find(order.begin(), order.end(), item);
  order.erase(at);
  position = std::min(position, order.size());
  order.insert(order.begin() + static_cast<std::ptrdiff_t>(position), item);
}

}  // namespace

bool IsFormInputKind(std::uint8_t kind) {
  return kind == EditRecord::kKind || kind == RadioButtonRecord::kKind ||
         kind == CheckBoxRecord::kKind;
}

std::vector<std::size_t> ComputeTabOrder(std::span<const TabOrderItem> items,
                                         std::size_t objectCount) {
  std::vector<std::size_t> order(items.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  for (std::size_t v = 0; v < objectCount; ++v) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (IsFormInputKind(items[i].kind) && items[i].storedTabOrder >= 0 &&
          static_cast<std::size_t>(items[i].storedTabOrder) == v) {
        MoveTo(order, i, v);
        break;
      }
    }
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (GoesLast(items[i].kind)) MoveTo(order, i, order.size());
  }
  return order;
}

}  // namespace plexara
