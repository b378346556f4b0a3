// "Menu Editor": the items of a page's menu bar or of a right-click menu as a tree, with their
// captions, shortcuts, bitmaps and actions. Works on a copy; the menu is rebuilt only after "&OK"
// with a change.
#pragma once

#include <windows.h>

#include <vector>

#include "properties/action_dialogs_win32.h"
#include "storage/menu_item_data.h"

namespace plexara {

// True when the author changed the menu and pressed OK; `menu` is then rebuilt from the tree:
// captions without "&", no automatic access keys, each item's action in its hint.
bool EditMenu(HWND owner, const ActionDialogContext& context, std::vector<MenuItemData>& menu);

}  // namespace plexara
