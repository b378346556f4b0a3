// A menu item as page files store it (menu bars and right-click menus), and the little action
// record that rides in the hint of an item that carries an action.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/picture.h"

namespace plexara {

// Shortcut flags on top of the virtual-key code in the low byte.
inline constexpr std::uint16_t kShortcutShift = 0x2000;
inline constexpr std::uint16_t kShortcutCtrl = 0x4000;
inline constexpr std::uint16_t kShortcutAlt = 0x8000;

struct MenuItemData {
  std::string caption;  // "-" is a separator line
  std::string hint;     // for action items: an encoded MenuItemAction
  std::uint16_t shortcut = 0;
  bool radioItem = false;
  std::uint8_t groupIndex = 0;
  bool enabled = true;
  bool defaultItem = false;
  bool checked = false;
  bool autoCheck = false;
  Picture bitmap;  // "TBitmap" or empty
  std::vector<MenuItemData> items;

  friend bool operator==(const MenuItemData&, const MenuItemData&) = default;
};

struct MenuItemAction {
  std::uint8_t actionKind = 0;  // 0: no action
  std::int32_t showCommand = 1;
  std::string actionTarget;
  std::string actionParameters;
  std::string actionFolder;
  bool closeAfterAction = false;

  friend bool operator==(const MenuItemAction&, const MenuItemAction&) = default;
};

}  // namespace plexara
