// Handing out menu command ids: the lowest free one first, so the ids in use stay packed at the
// start of the range however long the program runs.
#include "player/menu_command_ids.h"

namespace plexara {

MenuCommandIds::MenuCommandIds(std::uint16_t first, std::uint16_t last)
    : first_(first), inUse_(last >= first ? std::size_t{last} - first + 1 : 0), next_(first) {}

std::optional<std::uint16_t> MenuCommandIds::Allocate() {
  std::uint16_t id = 0;
  if (!released_.empty()) {
    id = released_.top();
    released_.pop();
  } else if (next_ - first_ < inUse_.size()) {
    id = static_cast<std::uint16_t>(next_++);
  } else {
    return std::nullopt;
  }
  inUse_[id - first_] = true;
  ++inUseCount_;
  return id;
}

void MenuCommandIds::Release(std::uint16_t id) {
  if (!InUse(id)) return;
  inUse_[id - first_] = false;
  --inUseCount_;
  released_.push(id);
}

bool MenuCommandIds::InUse(std::uint16_t id) const {
  return id >= first_ && std::size_t{id} - first_ < inUse_.size() && inUse_[id - first_];
}

}  // namespace plexara
