// The command ids of a page window's menu items. WM_COMMAND carries only 16 bits of id, so ids
// are a small fixed range handed out again once their menu is gone: a long-running page that
// rebuilds its right-click menus over and over never runs out, and an id is never given to a
// second item while the first one still exists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <queue>
#include <vector>

namespace plexara {

// The range menu items use: clear of 0 (no choice) and of the low ids dialogs and child controls
// use, and below 0x8000 so that no id reads as negative where a 16-bit field is taken as signed.
inline constexpr std::uint16_t kFirstMenuCommandId = 0x1000;
inline constexpr std::uint16_t kLastMenuCommandId = 0x7FFF;

class MenuCommandIds {
 public:
  MenuCommandIds(std::uint16_t first = kFirstMenuCommandId, std::uint16_t last = kLastMenuCommandId);

  // The lowest id not in use, now in use; nothing when every id of the range is taken.
  std::optional<std::uint16_t> Allocate();
  // Gives an id back for reuse; an id that is not in use is ignored, so a stray second release
  // cannot free an id that has since gone to another item.
  void Release(std::uint16_t id);

  bool InUse(std::uint16_t id) const;
  std::size_t inUseCount() const { return inUseCount_; }

 private:
  std::uint16_t first_;
  std::vector<bool> inUse_;  // by id - first_
  // Released ids below next_, lowest on top; ids from next_ on have never been handed out.
  std::priority_queue<std::uint16_t, std::vector<std::uint16_t>, std::greater<>> released_;
  std::uint32_t next_;
  std::size_t inUseCount_ = 0;
};

}  // namespace plexara
