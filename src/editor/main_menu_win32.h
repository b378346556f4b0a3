// The Win32 menus and accelerators built from the editor's menu table (editor/main_menu.h). Menu
// item ids are the EditorCommand values, so WM_COMMAND carries the command itself.
#pragma once

#include <windows.h>

#include <functional>
#include <span>

#include "editor/main_menu.h"

namespace plexara {

HMENU BuildMainMenuBar();
HMENU BuildPopupMenu(std::span<const MenuEntry> entries);
// Every shortcut of the menu bar; the caller destroys the table.
HACCEL BuildMenuAccelerators();

// Enables every item of `menu` (and of its submenus) by `enabled`; a submenu caption is enabled by
// `submenuEnabled` with its caption. Commands the editor does not run yet always stay disabled.
void UpdateMenuStates(HMENU menu, const std::function<bool(EditorCommand)>& enabled,
                      const std::function<bool(std::string_view)>& submenuEnabled);
void SetMenuCheck(HMENU menu, EditorCommand command, bool checked);

}  // namespace plexara
