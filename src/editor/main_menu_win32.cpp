#include "editor/main_menu_win32.h"

#include <string>
#include <vector>

namespace plexara {
namespace {

UINT IdOf(EditorCommand command) { return static_cast<UINT>(command); }

// Appends entries [begin, end) to menu; returns where it stopped (after a SubmenuEnd, or end).
std::size_t AppendEntries(HMENU menu, std::span<const MenuEntry> entries, std::size_t at) {
  while (at < entries.size()) {
    const MenuEntry& entry = entries[at++];
    switch (entry.row) {
      case MenuRow::Separator:
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        break;
      case MenuRow::SubmenuEnd:
        return at;
      case MenuRow::SubmenuBegin: {
        HMENU sub = CreatePopupMenu();
        at = AppendEntries(sub, entries, at);
        const std::string caption(entry.caption);
        AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
        break;
      }
      case MenuRow::Item: {
        std::string caption(entry.caption);
        const std::string keys = ShortcutText(entry.shortcut);
        if (!keys.empty()) caption += "\t" + keys;
        UINT flags = MF_STRING;
        if (!CommandAvailable(entry.command)) flags |= MF_GRAYED;
        AppendMenuA(menu, flags, IdOf(entry.command), caption.c_str());
        break;
      }
    }
  }
  return at;
}

void CollectAccelerators(std::span<const MenuEntry> entries, std::vector<ACCEL>& out) {
  for (const MenuEntry& entry : entries) {
    if (entry.row != MenuRow::Item || entry.shortcut.key == 0) continue;
    ACCEL accel{};
    accel.fVirt = FVIRTKEY;
    if (entry.shortcut.ctrl) accel.fVirt |= FCONTROL;
    if (entry.shortcut.alt) accel.fVirt |= FALT;
    if (entry.shortcut.shift) accel.fVirt |= FSHIFT;
    accel.key = entry.shortcut.key;
    accel.cmd = static_cast<WORD>(IdOf(entry.command));
    out.push_back(accel);
  }
}

std::string ItemText(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
  return text;
}

}  // namespace

HMENU BuildPopupMenu(std::span<const MenuEntry> entries) {
  HMENU menu = CreatePopupMenu();
  AppendEntries(menu, entries, 0);
  return menu;
}

HMENU BuildMainMenuBar() {
  HMENU bar = CreateMenu();
  for (const TopMenu& top : MainMenu()) {
    const std::string caption(top.caption);
    AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(BuildPopupMenu(top.entries)), caption.c_str());
  }
  return bar;
}

HACCEL BuildMenuAccelerators() {
  std::vector<ACCEL> table;
  for (const TopMenu& top : MainMenu()) CollectAccelerators(top.entries, table);
  CollectAccelerators(KeyboardOnlyCommands(), table);
  return CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
}

void UpdateMenuStates(HMENU menu, const std::function<bool(EditorCommand)>& enabled,
                      const std::function<bool(std::string_view)>& submenuEnabled) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      const std::string caption = ItemText(menu, i);
      EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (submenuEnabled(caption) ? MF_ENABLED : MF_GRAYED));
      UpdateMenuStates(sub, enabled, submenuEnabled);
      continue;
    }
    const UINT id = GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;
    const auto command = static_cast<EditorCommand>(id);
    const bool on = CommandAvailable(command) && enabled(command);
    EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  }
}

void SetMenuCheck(HMENU menu, EditorCommand command, bool checked) {
  CheckMenuItem(menu, IdOf(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace plexara
