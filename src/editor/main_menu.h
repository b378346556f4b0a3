// The editor's commands and its menu bar as data: one table gives every menu item its command,
// caption and shortcut, and says which commands this editor can already run. The Win32 side
// (main_menu_win32) builds the menu bar, the accelerators and the context menus from it, so a
// shortcut can never be listed in a menu without working, or work without being listed.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace plexara {

enum class EditorCommand : std::uint16_t {
  None = 0,
  // File
  NewProject = 100, Open, Save, Exit,
  // Project
  ProjectOptions = 200, CdIcon, SaveAndTest, SaveAndPublish, CreateTargetFile,
  // Page
  AddPage = 300, DeletePage, LoadPageFromTemplate, PageMenuBar, PreviewPage,
  // Edit
  AlignToGrid = 400, AlignLeft, AlignCenter, AlignRight, AlignTop, AlignMiddle, AlignBottom,
  Copy, Paste, Duplicate, Delete, Clear, BringToFront, SendToBack, SelectAll,
  SetVisibleTrueInGroup, SetVisibleFalseInGroup,
  // View
  ViewToolbar = 500, ViewStatusbar, ViewPropertyEditor, ViewGroupList, ViewObjectTemplates,
  // Tools
  PageTemplate = 600, AddTemplateGroup, DeleteTemplateGroup, AddSelectedObjectToGroup, DeleteTemplateItem,
  DisplayGrid, SnapToGrid, GridSize, BackGroundColor,
  // Help
  Help = 700, TechnicalSupport, HomePage, WhatsNew, About,
  // Neither menu bar nor tool bar: the design window's Del key, and Ctrl+Tab / Ctrl+Shift+Tab
  // through the page tabs.
  DeleteKey = 800, NextPage, PreviousPage,
};

// A keyboard shortcut: a virtual-key code with its modifiers. Key 0 means none.
struct Shortcut {
  std::uint16_t key = 0;
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
};

inline constexpr std::uint16_t kKeyF1 = 0x70;
inline constexpr std::uint16_t kKeyDelete = 0x2E;

enum class MenuRow : std::uint8_t {
  Item,          // a command
  Separator,
  SubmenuBegin,  // the caption of a submenu; the rows up to its SubmenuEnd belong to it
  SubmenuEnd,
};

struct MenuEntry {
  MenuRow row = MenuRow::Item;
  std::string_view caption;
  EditorCommand command = EditorCommand::None;
  Shortcut shortcut{};
};

struct TopMenu {
  std::string_view caption;  // with its mnemonic
  std::span<const MenuEntry> entries;
};

// The menu bar, left to right.
std::span<const TopMenu> MainMenu();
// The design window's context menu: the Edit commands up to Select All, Delete on the key Del.
std::span<const MenuEntry> SurfaceMenu();
// The page tabs' context menu.
std::span<const MenuEntry> PageTabsMenu();

// Whether this editor runs the command yet. Commands whose dialogs come later stay in the menus
// and on the tool bar, shown disabled, so they are never a silent no-op.
bool CommandAvailable(EditorCommand command);

// The menu item text with its shortcut after a tab ("Copy\tCtrl+C").
std::string ShortcutText(const Shortcut& shortcut);

// Shortcuts of commands that no menu lists (moving through the page tabs).
std::span<const MenuEntry> KeyboardOnlyCommands();

// The tool bar buttons, left to right (a None entry is a gap between groups).
std::span<const EditorCommand> ToolBarCommands();
std::string_view ToolBarHint(EditorCommand command);

}  // namespace plexara
