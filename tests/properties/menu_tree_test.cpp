#include "properties/menu_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/primitives.h"

namespace plexara {
namespace {

MenuItemData Item(std::string caption, std::vector<MenuItemData> items = {}) {
  MenuItemData item;
  item.caption = std::move(caption);
  item.items = std::move(items);
  return item;
}

// Captions of the tree, children in brackets: "File[Open,Save],Help".
std::string Shape(const MenuTree& tree, MenuTree::Id parent = MenuTree::kTop) {
  std::string shape;
  for (const MenuTree::Id id : tree.Children(parent)) {
    if (!shape.empty() && shape.back() != '[') shape += ',';
    shape += tree.node(id).caption;
    if (!tree.Children(id).empty()) shape += "[" + Shape(tree, id) + "]";
  }
  return shape;
}

TEST(MenuTree, FillsCaptionsWithoutAccessKeysAndDecodesActions) {
  MenuItemAction action{.actionKind = kActionShowMessage, .showCommand = 3, .actionTarget = "hi"};
  MenuItemData open = Item("&Open");
  open.shortcut = kShortcutCtrl | 'O';
  open.hint = EncodeMenuItemAction(action);
  const MenuTree tree({Item("&File", {open, Item("Save&&E&xit")}), Item("Help")});

  EXPECT_EQ(Shape(tree), "File[Open,SaveExit],Help");
  const MenuTree::Id file = tree.Children(MenuTree::kTop)[0];
  const MenuNode& node = tree.node(tree.Children(file)[0]);
  EXPECT_EQ(node.shortcut, kShortcutCtrl | 'O');
  EXPECT_EQ(node.action, GroupedActionOf(action));
  EXPECT_EQ(tree.node(file).action, GroupedAction{});
}

TEST(MenuTree, AddDeleteAndMoveBefore) {
  MenuTree tree({Item("A", {Item("A1"), Item("A2", {Item("A2a")})}), Item("B"), Item("C")});
  const auto id = [&](MenuTree::Id parent, std::size_t index) {
    return tree.Children(parent)[index];
  };
  const MenuTree::Id a = id(MenuTree::kTop, 0), b = id(MenuTree::kTop, 1),
                     c = id(MenuTree::kTop, 2);
  const MenuTree::Id a1 = id(a, 0), a2 = id(a, 1), a2a = id(a2, 0);

  // Refused moves change nothing: onto itself, into its own branch, to where it
  // already stands.
  EXPECT_FALSE(tree.MoveBefore(a, a));
  EXPECT_FALSE(tree.MoveBefore(a, a2a));
  EXPECT_FALSE(tree.MoveBefore(a, b));
  EXPECT_EQ(Shape(tree), "A[A1,A2[A2a]],B,C");

  EXPECT_TRUE(tree.MoveBefore(c, a));  // up, same level
  EXPECT_EQ(Shape(tree), "C,A[A1,A2[A2a]],B");
  EXPECT_TRUE(tree.MoveBefore(a2, b));  // out of a branch, with its own child
  EXPECT_EQ(Shape(tree), "C,A[A1],A2[A2a],B");
  EXPECT_TRUE(tree.MoveBefore(b, a1));  // into a branch
  EXPECT_EQ(Shape(tree), "C,A[B,A1],A2[A2a]");
  EXPECT_TRUE(tree.MoveBefore(a1, b));  // down, before the node that stood before it
  EXPECT_EQ(Shape(tree), "C,A[A1,B],A2[A2a]");
  EXPECT_EQ(tree.Parent(b), a);

  const MenuTree::Id root = tree.AddRoot();
  const MenuTree::Id sub = tree.AddChild(a2a);
  EXPECT_EQ(Shape(tree), "C,A[A1,B],A2[A2a[NewItem]],NewItem");
  EXPECT_EQ(tree.node(sub).action.showCommand, 1);
  EXPECT_EQ(tree.node(root).action.actionKind, kActionNone);

  tree.Delete(a2);
  EXPECT_FALSE(tree.Contains(a2a));
  EXPECT_FALSE(tree.Contains(sub));
  EXPECT_FALSE(tree.MoveBefore(sub, c));
  EXPECT_EQ(Shape(tree), "C,A[A1,B],NewItem");
}

TEST(MenuTree, NoBranchGrowsDeeperThanAMenuFileHolds) {
  MenuTree tree;
  MenuTree::Id deepest = tree.AddRoot();
  const MenuTree::Id top = deepest;
  for (int level = 1; level <= kMaxMenuDepth; ++level) deepest = tree.AddChild(deepest);
  EXPECT_FALSE(tree.CanAddChild(deepest));
  EXPECT_EQ(tree.AddChild(deepest), MenuTree::kTop);
  // A branch two levels high cannot go under the 32nd level either.
  const MenuTree::Id other = tree.AddRoot();
  tree.AddChild(other);
  EXPECT_FALSE(tree.MoveBefore(other, deepest));
  EXPECT_TRUE(tree.MoveBefore(other, top));
}

TEST(MenuTree, BuildWritesCaptionShortcutBitmapAndActionOnly) {
  MenuItemData file = Item("&File", {Item("Old")});
  file.checked = true;
  file.hint = "";
  MenuTree tree({file});
  const MenuTree::Id fileId = tree.Children(MenuTree::kTop)[0];
  const MenuTree::Id open = tree.AddChild(fileId);
  tree.node(open).caption = "Open";
  tree.node(open).shortcut = kShortcutCtrl | 'O';
  tree.node(open).action = GroupedAction{.actionKind = kActionShowMessage, .target = "hi"};
  tree.node(open).bitmap = Picture::FromBitmap(Bitmap(2, 2, Bgra{1, 2, 3, 255}));
  tree.AddChild(open);

  MenuItemData expectedOpen = Item("Open", {Item("NewItem")});
  expectedOpen.shortcut = kShortcutCtrl | 'O';
  expectedOpen.hint =
      EncodeMenuItemAction({.actionKind = kActionShowMessage, .actionTarget = "hi"});
  expectedOpen.bitmap = tree.node(open).bitmap;
  EXPECT_EQ(tree.Build(), std::vector<MenuItemData>{Item("File", {Item("Old"), expectedOpen})});
}

}  // namespace
}  // namespace plexara
