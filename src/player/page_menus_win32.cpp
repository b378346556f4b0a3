#include "player/page_menus_win32.h"

#include <cstring>

#include "platform/gdi_objects_win32.h"
#include "player/address_command.h"
#include "player/page_window_win32.h"
#include "storage/primitives.h"
#include "storage/shortcut_text.h"

namespace plexara {
namespace {

HBITMAP MenuBitmapOf(const Picture& picture) {
  if (picture.empty()) return nullptr;
  const DecodedPicture& decoded = picture.decoded();
  if (decoded.frames.empty() || decoded.frames[0].bitmap.empty()) return nullptr;
  const Bitmap& bitmap = decoded.frames[0].bitmap;
  const BITMAPINFO info = TopDownBitmapInfo(bitmap.width(), bitmap.height());
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (handle != nullptr) {
    std::memcpy(bits, bitmap.data(),
                static_cast<std::size_t>(bitmap.width()) * bitmap.height() * sizeof(Bgra));
  }
  return handle;
}

}  // namespace

PageMenus::~PageMenus() {
  ClearRightClickMenus();
  if (menuBar_ != nullptr && !IsMenu(menuBar_)) menuBar_ = nullptr;  // went with its window
  if (menuBar_ != nullptr) DestroyMenu(menuBar_);
  RetireEntries(entries_);
  if (shortcuts_ != nullptr) DestroyAcceleratorTable(shortcuts_);
}

template <typename Match>
PageMenus::Entries PageMenus::TakeEntries(Match match) {
  Entries taken;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (match(it->second)) {
      taken.insert(entries_.extract(it++));
    } else {
      ++it;
    }
  }
  return taken;
}

void PageMenus::RetireEntries(Entries& entries) {
  for (auto& [id, entry] : entries) {
    ids_.Release(static_cast<std::uint16_t>(id));
    if (entry.bitmap != nullptr) DeleteObject(entry.bitmap);
  }
  entries.clear();
}

void PageMenus::AddItems(HMENU menu, const std::vector<MenuItemData>& items, Scope scope,
                         const ObjectControl* owner) {
  for (const MenuItemData& item : items) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    if (item.caption == "-") {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
      InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
      continue;
    }
    // The caption is shown as authored: "&" marks only the access keys the author wrote.
    std::string text = item.caption;
    const std::string shortcut = ShortcutText(item.shortcut);
    if (!shortcut.empty()) text += "\t" + shortcut;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.fType = item.radioItem ? MFT_RADIOCHECK : 0;
    info.fState = (item.enabled ? MFS_ENABLED : MFS_DISABLED) | (item.checked ? MFS_CHECKED : 0) |
                  (item.defaultItem ? MFS_DEFAULT : 0);
    info.dwTypeData = text.data();
    // With every id taken (tens of thousands of live items) the item is still shown, but without an
    // id it cannot run another item's action, and without an entry nothing would free a bitmap.
    const std::optional<std::uint16_t> id = ids_.Allocate();
    if (id) {
      info.fMask |= MIIM_ID;
      info.wID = *id;
    }
    if (!item.items.empty()) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = CreatePopupMenu();
      AddItems(info.hSubMenu, item.items, scope, owner);
    }
    HBITMAP bitmap = id ? MenuBitmapOf(item.bitmap) : nullptr;
    if (bitmap != nullptr) {
      info.fMask |= MIIM_BITMAP;
      info.hbmpItem = bitmap;
    }
    InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
    if (id) entries_[*id] = Entry{item, menu, scope, owner, bitmap};
  }
}

HMENU PageMenus::BuildMenu(const std::vector<MenuItemData>& items, Scope scope, const ObjectControl* owner) {
  if (items.empty()) return nullptr;
  HMENU menu = scope == Scope::MenuBar ? CreateMenu() : CreatePopupMenu();
  if (menu != nullptr) AddItems(menu, items, scope, owner);
  return menu;
}

void PageMenus::BuildMenuBar(HWND window, const std::vector<MenuItemData>& items) {
  // The previous items can no longer be chosen, but keep their ids and bitmaps until their menu is
  // gone from the window and destroyed.
  Entries previousEntries = TakeEntries([](const Entry& entry) { return entry.scope == Scope::MenuBar; });
  HMENU previous = menuBar_;
  menuBar_ = BuildMenu(items, Scope::MenuBar, nullptr);
  if (window != nullptr && (menuBar_ != nullptr || GetMenu(window) == previous))
    SetMenu(window, menuBar_);
  if (previous != nullptr && IsMenu(previous)) DestroyMenu(previous);
  RetireEntries(previousEntries);
  RebuildShortcuts();
}

void PageMenus::ClearRightClickMenus() {
  if (pageMenu_ != nullptr) DestroyMenu(pageMenu_);
  pageMenu_ = nullptr;
  for (auto& [control, menu] : objectMenus_) DestroyMenu(menu);
  objectMenus_.clear();
  Entries gone = TakeEntries([](const Entry& entry) { return entry.scope != Scope::MenuBar; });
  RetireEntries(gone);
}

void PageMenus::BuildRightClickMenus(const std::vector<MenuItemData>& pageItems,
                                     std::span<ObjectControl* const> controls) {
  ClearRightClickMenus();
  pageMenu_ = BuildMenu(pageItems, Scope::PageMenu, nullptr);
  for (ObjectControl* control : controls) AttachObjectMenu(*control);
  RebuildShortcuts();
}

void PageMenus::AttachObjectMenu(ObjectControl& control) {
  if (control.data().popupMenu.empty()) return;
  auto existing = objectMenus_.find(&control);
  if (existing != objectMenus_.end()) {
    DestroyMenu(existing->second);
    objectMenus_.erase(existing);
    Entries replaced = TakeEntries([&](const Entry& entry) { return entry.owner == &control; });
    RetireEntries(replaced);
  }
  objectMenus_[&control] = BuildMenu(control.data().popupMenu, Scope::ObjectMenu, &control);
}

HMENU PageMenus::ObjectMenu(const ObjectControl& control) const {
  const auto found = objectMenus_.find(&control);
  return found == objectMenus_.end() ? nullptr : found->second;
}

bool PageMenus::ShowRightClickMenu(HWND window, const ObjectControl* object, POINT screen) {
  HMENU menu = object != nullptr ? ObjectMenu(*object) : pageMenu_;
  if (menu == nullptr) return false;
  // The menu needs the window in front to close when the user clicks elsewhere.
  SetForegroundWindow(window);
  const UINT id =
      static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       screen.x, screen.y, 0, window, nullptr));
  PostMessageA(window, WM_NULL, 0, 0);
  if (id != 0) HandleCommand(id);
  return true;
}

void PageMenus::AutoCheck(UINT id, Entry& entry) {
  if (!entry.item.autoCheck) return;
  if (entry.item.radioItem) {
    // A radio item is checked by a click and unchecks the radio items of its group beside it.
    for (auto& [otherId, other] : entries_) {
      if (other.parent == entry.parent && other.item.radioItem &&
          other.item.groupIndex == entry.item.groupIndex) {
        other.item.checked = otherId == id;
        CheckMenuItem(other.parent, otherId,
                      MF_BYCOMMAND | (other.item.checked ? MF_CHECKED : MF_UNCHECKED));
      }
    }
    return;
  }
  entry.item.checked = !entry.item.checked;
  CheckMenuItem(entry.parent, id, MF_BYCOMMAND | (entry.item.checked ? MF_CHECKED : MF_UNCHECKED));
}

bool PageMenus::HandleCommand(UINT id) {
  const auto found = entries_.find(id);
  if (found == entries_.end()) return false;
  AutoCheck(id, found->second);
  // A copy: the click may switch the page and rebuild the menus.
  const MenuItemData item = found->second.item;
  if (click_) click_(item);
  return true;
}

void PageMenus::RebuildShortcuts() {
  if (shortcuts_ != nullptr) DestroyAcceleratorTable(shortcuts_);
  shortcuts_ = nullptr;
  std::vector<ACCEL> table;
  for (const auto& [id, entry] : entries_) {
    const std::uint16_t shortcut = entry.item.shortcut;
    if (shortcut == 0 || !entry.item.items.empty() || !entry.item.enabled) continue;
    if (entry.scope == Scope::ObjectMenu) continue;
    BYTE flags = FVIRTKEY;
    if (shortcut & kShortcutShift) flags |= FSHIFT;
    if (shortcut & kShortcutCtrl) flags |= FCONTROL;
    if (shortcut & kShortcutAlt) flags |= FALT;
    table.push_back(ACCEL{flags, static_cast<WORD>(shortcut & 0xFF), static_cast<WORD>(id)});
  }
  if (!table.empty())
    shortcuts_ = CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
}

bool PageMenus::TranslateShortcut(HWND window, MSG& message) {
  if (shortcuts_ == nullptr || window == nullptr) return false;
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  return TranslateAcceleratorA(window, shortcuts_, &message) != 0;
}

void MenuItemClick(TAutoRunForm& window, const MenuItemData& item) {
  if (window.context().editorMode) return;  // the design surface: menus are only shown
  if (!item.items.empty() || item.hint.empty()) return;
  MenuItemAction action;
  if (!DecodeMenuItemAction(item.hint, action)) return;  // reported by the decoder
  TCommand command;
  command.actionKind = action.actionKind;
  command.actionTarget = action.actionTarget;
  command.closeAfterAction = action.closeAfterAction;
  command.showCommand = action.showCommand;
  command.actionFolder = action.actionFolder;
  command.actionParameters = action.actionParameters;
  window.RunAction(command);
}

bool RunAddressCommand(TAutoRunForm& window, std::string_view address) {
  const std::optional<TCommand> command = AddressCommand(address);
  if (!command) return false;
  window.RunAction(*command);
  return true;
}

}  // namespace plexara
