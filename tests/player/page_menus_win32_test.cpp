// Page menus under Wine: the menu bar and right-click menus built from the page record, a click on
// an item running the action it carries (and nothing for items with sub-items, empty hints or a
// hint that does not decode), the shortcut texts, and web-page addresses with command words.
#include "player/page_menus_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "player/menu_command_ids.h"
#include "player/page_window_win32.h"
#include "storage/primitives.h"
#include "support/recording_reporter.h"

namespace plexara {
namespace {

MenuItemData Item(const std::string& caption, std::uint8_t kind = 0,
                  const std::string& target = {}) {
  MenuItemData item;
  item.caption = caption;
  if (kind != 0) {
    MenuItemAction action;
    action.actionKind = kind;
    action.actionTarget = target;
    action.showCommand = 3;
    action.actionFolder = "\\tools";
    action.actionParameters = "/x";
    action.closeAfterAction = true;
    item.hint = EncodeMenuItemAction(action);
  }
  return item;
}

struct MenuPage {
  StartupContext context;
  TAutoRunForm window{context};
  std::vector<TCommand> actions;

  explicit MenuPage(PageData page) {
    window.SetActionRunner([this](TAutoRunForm&, const TCommand& c) { actions.push_back(c); });
    window.SetPage(std::move(page));
    EXPECT_TRUE(window.CreatePageWindow(nullptr, false));
  }
  // Clicks the item at a path of positions in the menu bar.
  void ClickBarItem(int top, int sub) {
    HMENU menu = GetSubMenu(GetMenu(window.hwnd()), top);
    const UINT id = GetMenuItemID(menu, sub);
    SendMessageA(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  }
};

std::string MenuText(HMENU menu, int position) {
  char text[128] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
  return text;
}

TEST(PageMenus, MenuBarItemsRunTheirActionsAndOnlyThose) {
  PageData page;
  page.caption = "Menus";
  MenuItemData file = Item("&File", kActionShowMessage, "never: it has sub-items");
  MenuItemData open = Item("&Open", kActionOpenRunFile, "\\setup.exe");
  open.shortcut = kShortcutCtrl | 'O';
  MenuItemData broken = Item("Broken");
  broken.hint = "\x01";  // too short to decode
  file.items = {open, Item("-"), Item("Nothing"), broken};
  page.menuBar = {file};
  page.popupMenu = {Item("About", kActionShowMessage, "Hello")};
  MenuPage shown(page);

  HMENU bar = GetMenu(shown.window.hwnd());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(MenuText(bar, 0), "&File");
  HMENU fileMenu = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(fileMenu), 4);
  EXPECT_EQ(MenuText(fileMenu, 0), "&Open\tCtrl+O");
  EXPECT_EQ(GetMenuState(fileMenu, 1, MF_BYPOSITION) & MF_SEPARATOR,
            static_cast<UINT>(MF_SEPARATOR));
  ASSERT_NE(shown.window.menus().pageMenu(), nullptr);
  EXPECT_EQ(MenuText(shown.window.menus().pageMenu(), 0), "About");

  shown.ClickBarItem(0, 0);
  ASSERT_EQ(shown.actions.size(), 1u);
  const TCommand& run = shown.actions[0];
  EXPECT_EQ(run.actionKind, kActionOpenRunFile);
  EXPECT_EQ(run.actionTarget, "\\setup.exe");
  EXPECT_EQ(run.showCommand, 3);
  EXPECT_EQ(run.actionFolder, "\\tools");
  EXPECT_EQ(run.actionParameters, "/x");
  EXPECT_TRUE(run.closeAfterAction);

  // An item with sub-items, an item without action and a hint that does not decode run nothing;
  // the last is reported once.
  testing_support::ScopedRecording recording;
  shown.window.menus().HandleCommand(GetMenuItemID(bar, 0));
  shown.ClickBarItem(0, 2);
  shown.ClickBarItem(0, 3);
  EXPECT_EQ(shown.actions.size(), 1u);
  ASSERT_EQ(testing_support::Recorder().boxes.size(), 1u);
  EXPECT_NE(testing_support::Recorder().boxes[0].text.find("/1002)"), std::string::npos);

  // In the editor the same items do nothing.
  shown.context.editorMode = true;
  shown.ClickBarItem(0, 0);
  EXPECT_EQ(shown.actions.size(), 1u);
}

TEST(PageMenus, ObjectsGetTheirOwnRightClickMenusAndAutoCheckItems) {
  PageData page;
  page.caption = "Objects";
  ObjectData withMenu;
  withMenu.record = ButtonRecord{};
  withMenu.command.name = "WithMenu";
  MenuItemData loud = Item("Loud");
  loud.autoCheck = true;
  withMenu.popupMenu = {loud, Item("Stop", kActionStopAllSound)};
  ObjectData plain;
  plain.record = ButtonRecord{};
  plain.command.name = "Plain";
  page.objects = {withMenu, plain};
  MenuPage shown(page);

  const ObjectControl* control = shown.window.FindObject("WithMenu");
  HMENU menu = shown.window.menus().ObjectMenu(*control);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(shown.window.menus().ObjectMenu(*shown.window.FindObject("Plain")), nullptr);
  EXPECT_EQ(shown.window.menus().pageMenu(), nullptr);
  EXPECT_EQ(GetMenu(shown.window.hwnd()), nullptr) << "no menu bar without items";

  // An auto-check item toggles its check mark on each click.
  const UINT loudId = GetMenuItemID(menu, 0);
  shown.window.menus().HandleCommand(loudId);
  EXPECT_EQ(GetMenuState(menu, loudId, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  shown.window.menus().HandleCommand(loudId);
  EXPECT_EQ(GetMenuState(menu, loudId, MF_BYCOMMAND) & MF_CHECKED, 0u);
  shown.window.menus().HandleCommand(GetMenuItemID(menu, 1));
  ASSERT_EQ(shown.actions.size(), 1u);
  EXPECT_EQ(shown.actions[0].actionKind, kActionStopAllSound);
}

// A page that rebuilds its right-click menus for a long time (switching pages in place, reloading
// content) must keep its menu bar working: freed ids come back, live ones are never handed out
// twice. The rebuilds take more ids than the whole range holds.
TEST(PageMenus, RebuildingRightClickMenusNeverTakesTheMenuBarsIds) {
  PageMenus menus;
  std::vector<std::string> clicked;
  menus.SetItemClick([&](const MenuItemData& item) { clicked.push_back(item.caption); });
  MenuItemData file = Item("File");
  file.items = {Item("Open")};
  menus.BuildMenuBar(nullptr, {file});
  const UINT openId = GetMenuItemID(GetSubMenu(menus.menuBar(), 0), 0);

  UINT highest = 0;
  for (int rebuild = 0; rebuild < 16000; ++rebuild) {
    menus.BuildRightClickMenus({Item("Back"), Item("Next")}, {});
    for (int position = 0; position < 2; ++position) {
      const UINT id = GetMenuItemID(menus.pageMenu(), position);
      ASSERT_NE(id, openId) << "rebuild " << rebuild;
      highest = std::max(highest, id);
    }
  }
  EXPECT_LT(highest, static_cast<UINT>(kFirstMenuCommandId) + 8);
  EXPECT_TRUE(menus.HandleCommand(openId));
  EXPECT_TRUE(menus.HandleCommand(GetMenuItemID(menus.pageMenu(), 1)));
  EXPECT_EQ(clicked, (std::vector<std::string>{"Open", "Next"}));
}

TEST(PageMenus, ShortcutTextsAndAddressCommands) {
  EXPECT_EQ(ShortcutText(0), "");
  EXPECT_EQ(ShortcutText(kShortcutCtrl | 'Q'), "Ctrl+Q");
  EXPECT_EQ(ShortcutText(kShortcutShift | kShortcutCtrl | kShortcutAlt | VK_F5),
            "Shift+Ctrl+Alt+F5");
  EXPECT_EQ(ShortcutText(VK_DELETE), "Del");

  PageData page;
  page.caption = "Web";
  MenuPage shown(page);
  EXPECT_FALSE(RunAddressCommand(shown.window, "http://www.example.com/index.htm"));
  EXPECT_TRUE(
      RunAddressCommand(shown.window, "file:///E:/menu.htm?CMD_SOUND=a.wav&CMD_OPEN=setup.exe"));
  ASSERT_EQ(shown.actions.size(), 1u);
  EXPECT_EQ(shown.actions[0].actionKind, kActionOpenRunFile);
  EXPECT_EQ(shown.actions[0].actionTarget, "\\setup.exe");
}

}  // namespace
}  // namespace plexara
