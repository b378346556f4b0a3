#include "properties/menu_editor_win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "properties/item_action_block_win32.h"
#include "storage/primitives.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

// The menu editor's controls.
constexpr int kTree = 101, kAddRoot = 102, kAddSub = 103, kDelete = 104, kCaption = 107,
              kShortcut = 109;
constexpr int kKindList = 201 + ItemActionBlock::kKindList;
constexpr int kTarget = 201 + ItemActionBlock::kTarget;
constexpr int kCloseBox = 201 + ItemActionBlock::kCloseBox;

HWND EditOf(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }

HTREEITEM Root(HWND dialog) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(GetDlgItem(dialog, kTree), TVM_GETNEXTITEM, TVGN_ROOT, 0));
}
HTREEITEM FirstChild(HWND dialog, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(SendMessageA(GetDlgItem(dialog, kTree), TVM_GETNEXTITEM,
                                                  TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
}
void Select(HWND dialog, HTREEITEM item) {
  SendMessageA(GetDlgItem(dialog, kTree), TVM_SELECTITEM, TVGN_CARET,
               reinterpret_cast<LPARAM>(item));
}
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

// Moves the pointer to a point of the tree control, with the left button as given.
void MouseAt(HWND tree, POINT point, DWORD buttonFlags = 0) {
  ClientToScreen(tree, &point);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  SendInput(1, &input, sizeof(input));
}

POINT CentreOf(HWND tree, HTREEITEM item) {
  RECT rect{};
  std::memcpy(&rect, &item, sizeof(item));  // the item goes in where the rectangle comes out
  SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HTREEITEM Next(HWND dialog, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(SendMessageA(GetDlgItem(dialog, kTree), TVM_GETNEXTITEM,
                                                  TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
}

MenuItemData Item(std::string caption, std::vector<MenuItemData> items = {}) {
  MenuItemData item;
  item.caption = std::move(caption);
  item.items = std::move(items);
  return item;
}

TEST(MenuEditor, BuildsANestedMenuWithShortcutAndAction) {
  ActionDialogContext context;
  std::vector<MenuItemData> menu{Item("&File")};
  std::string shownRoot;
  ModalDriver driver("Menu Editor",
                     {
                         [&](HWND dialog) {
                           shownRoot = TreeItemText(GetDlgItem(dialog, kTree), Root(dialog));
                           Select(dialog, Root(dialog));
                           PostClick(GetDlgItem(dialog, kAddSub));
                         },
                         [&](HWND dialog) {
                           HWND caption = GetDlgItem(dialog, kCaption);
                           SendMessageA(caption, EM_SETSEL, 0, -1);
                           PostChars(caption, "Open");
                           PostChars(EditOf(GetDlgItem(dialog, kShortcut)), "ctrl+o");
                           HWND kinds = GetDlgItem(dialog, kKindList);
                           SendMessageA(kinds, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>("Show Message"));
                           SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kKindList, CBN_SELCHANGE),
                                        reinterpret_cast<LPARAM>(kinds));
                         },
                         [&](HWND dialog) {
                           PostChars(EditOf(GetDlgItem(dialog, kTarget)), "hi");
                           PostClick(GetDlgItem(dialog, kCloseBox));
                           PostClick(GetDlgItem(dialog, kAddSub));
                         },
                         [&](HWND dialog) {
                           Select(dialog, FirstChild(dialog, Root(dialog)));
                           PaintNow(dialog);
                         },
                         [&](HWND dialog) {
                           SaveWindowScreenshot(dialog, "dialog-menu-editor");
                           PostClick(GetDlgItem(dialog, IDOK));
                         },
                     });
  EXPECT_TRUE(EditMenu(nullptr, context, menu));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(shownRoot, "File");

  MenuItemData open = Item("Open", {Item("NewItem")});
  open.shortcut = kShortcutCtrl | 'O';
  open.hint = EncodeMenuItemAction(
      {.actionKind = kActionShowMessage, .actionTarget = "hi", .closeAfterAction = true});
  EXPECT_EQ(menu, std::vector<MenuItemData>{Item("File", {open})});
}

TEST(MenuEditor, CancelAndUnchangedOkLeaveTheMenuAlone) {
  ActionDialogContext context;
  MenuItemData file = Item("&File", {Item("E&xit")});
  file.checked = true;
  for (const int button : {IDCANCEL, IDOK}) {
    std::vector<MenuItemData> menu{file};
    bool groupOff = false;
    ModalDriver driver(
        "Menu Editor",
        {
            [&](HWND dialog) {
              Select(dialog, FirstChild(dialog, Root(dialog)));  // selecting alone changes nothing
              if (button == IDCANCEL) PostClick(GetDlgItem(dialog, kDelete));
            },
            [&](HWND dialog) {
              // After a delete nothing is selected: the properties and the node buttons are off.
              groupOff = !Enabled(dialog, kCaption) && !Enabled(dialog, kShortcut) &&
                         !Enabled(dialog, kKindList) && !Enabled(dialog, kAddSub) &&
                         !Enabled(dialog, kDelete);
              if (button == IDCANCEL) PostClick(GetDlgItem(dialog, kAddRoot));
            },
            [&](HWND dialog) { PostClick(GetDlgItem(dialog, button)); },
        });
    EXPECT_FALSE(EditMenu(nullptr, context, menu)) << button;
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(menu, std::vector<MenuItemData>{file});
    EXPECT_EQ(groupOff, button == IDCANCEL);
  }
}

TEST(MenuEditor, DraggingANodeMovesItBeforeTheDropTarget) {
  ActionDialogContext context;
  std::vector<MenuItemData> menu{Item("A"), Item("B"), Item("C")};
  POINT from{}, to{};
  ModalDriver driver(
      "Menu Editor",
      {
          [&](HWND dialog) {
            SetForegroundWindow(dialog);
            HWND tree = GetDlgItem(dialog, kTree);
            const HTREEITEM a = Root(dialog);
            to = CentreOf(tree, a);
            from = CentreOf(tree, Next(dialog, Next(dialog, a)));
            MouseAt(tree, from);
          },
          [&](HWND dialog) { MouseAt(GetDlgItem(dialog, kTree), from, MOUSEEVENTF_LEFTDOWN); },
          [&](HWND dialog) {
            MouseAt(GetDlgItem(dialog, kTree), POINT{from.x + 2, from.y - 8});
          },
          [&](HWND dialog) { MouseAt(GetDlgItem(dialog, kTree), to); },
          [&](HWND dialog) { MouseAt(GetDlgItem(dialog, kTree), to, MOUSEEVENTF_LEFTUP); },
          [&](HWND dialog) { PostClick(GetDlgItem(dialog, IDOK)); },
      });
  EXPECT_TRUE(EditMenu(nullptr, context, menu));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(menu, (std::vector<MenuItemData>{Item("C"), Item("A"), Item("B")}));
}

}  // namespace
}  // namespace plexara
