// The menus of a page window: the menu bar, the page's right-click menu (it opens on a right click
// on the empty page) and the right-click menus of single objects. Every item is built with its
// caption exactly as authored (no access keys are added), its shortcut shown and active, and its
// check, radio, default and enabled states; a click on an item that carries an action runs that
// action on the page (MenuItemClick).
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "objects/object_control_win32.h"
#include "player/menu_command_ids.h"
#include "storage/menu_item_data.h"
#include "storage/page_file.h"
#include "storage/shortcut_text.h"  // ShortcutText: the text shown beside an item

namespace plexara {

class TAutoRunForm;

class PageMenus {
 public:
  using ItemClick = std::function<void(const MenuItemData& item)>;

  PageMenus() = default;
  ~PageMenus();
  PageMenus(const PageMenus&) = delete;
  PageMenus& operator=(const PageMenus&) = delete;

  void SetItemClick(ItemClick click) { click_ = std::move(click); }

  // The menu bar of the window, replacing the previous one (a window switching pages in place
  // keeps its menu bar and does not call this). An empty item list leaves the window without one.
  void BuildMenuBar(HWND window, const std::vector<MenuItemData>& items);
  // The page's right-click menu and the objects' own, replacing the previous ones.
  void BuildRightClickMenus(const std::vector<MenuItemData>& pageItems,
                            std::span<ObjectControl* const> controls);
  // Gives one object's control its right-click menu (nothing for an object without one).
  void AttachObjectMenu(ObjectControl& control);

  // Opens the right-click menu of the object (null: of the empty page) at a screen point; false
  // when there is none. The chosen item is clicked before this returns.
  bool ShowRightClickMenu(HWND window, const ObjectControl* object, POINT screen);
  // A menu command (WM_COMMAND of a menu item or a shortcut); false when the id is not ours.
  bool HandleCommand(UINT id);
  // The shortcuts of the menu bar and the page's right-click menu, for the page's message loop.
  bool TranslateShortcut(HWND window, MSG& message);

  HMENU menuBar() const { return menuBar_; }
  HMENU pageMenu() const { return pageMenu_; }
  HMENU ObjectMenu(const ObjectControl& control) const;

 private:
  // Shortcuts work for the menu bar and the page's right-click menu, not for objects' menus.
  enum class Scope : std::uint8_t { MenuBar, PageMenu, ObjectMenu };
  // One item with a command id. The id and the bitmap stay taken until the menu that shows the
  // item has been destroyed (RetireEntries).
  struct Entry {
    MenuItemData item;
    HMENU parent = nullptr;  // the menu the item is in
    Scope scope = Scope::MenuBar;
    const ObjectControl* owner = nullptr;  // the object whose right-click menu holds the item
    HBITMAP bitmap = nullptr;
  };
  using Entries = std::map<UINT, Entry>;

  HMENU BuildMenu(const std::vector<MenuItemData>& items, Scope scope, const ObjectControl* owner);
  void AddItems(HMENU menu, const std::vector<MenuItemData>& items, Scope scope, const ObjectControl* owner);
  // Moves the entries that match out of the table, so their ids can no longer be clicked.
  template <typename Match>
  Entries TakeEntries(Match match);
  // Gives the ids of entries whose menus are destroyed back for reuse and deletes their bitmaps.
  void RetireEntries(Entries& entries);
  void ClearRightClickMenus();
  void RebuildShortcuts();
  void AutoCheck(UINT id, Entry& entry);

  ItemClick click_;
  HMENU menuBar_ = nullptr;
  HMENU pageMenu_ = nullptr;
  std::map<const ObjectControl*, HMENU> objectMenus_;
  Entries entries_;
  MenuCommandIds ids_;
  HACCEL shortcuts_ = nullptr;
};

// Runs the action a menu item carries on its page: nothing in the editor's design surface, for an
// item with sub-items or an empty hint; a hint that does not decode is reported and runs nothing.
void MenuItemClick(TAutoRunForm& window, const MenuItemData& item);

// Called by a web-browser Explorer object before it navigates: an address that carries a command
// word (address_command.h) runs its action on the page and returns true, and the navigation is
// cancelled; any other address returns false.
bool RunAddressCommand(TAutoRunForm& window, std::string_view address);

}  // namespace plexara
