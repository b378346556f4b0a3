// The menu as the menu editor edits it: a tree of nodes, each with its caption
// (every "&" taken out), shortcut, bitmap and action, that can be grown, pruned
// and reordered and then built back into menu items. Nodes keep their ids for
// the whole edit, so the editor's tree control can name them by id.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/action_targets.h"
#include "storage/menu_item_data.h"
#include "storage/picture.h"

namespace plexara {

struct MenuNode {
  std::string caption;
  std::uint16_t shortcut = 0;
  Picture bitmap;        // a "TBitmap" picture or none
  GroupedAction action;  // kind None, show command 1 for a new node
};

// The action a menu item's hint carries, and back.
GroupedAction GroupedActionOf(const MenuItemAction& action);
MenuItemAction MenuItemActionOf(const GroupedAction& action);

class MenuTree {
 public:
  using Id = int;
  static constexpr Id kTop = 0;  // the invisible parent of the top-level nodes
  static constexpr const char* kNewCaption = "NewItem";

  MenuTree() : MenuTree(std::vector<MenuItemData>{}) {}
  // One node per item, children under their parent; each hint is decoded as the
  // item's action (a hint that does not decode is reported and gives no
  // action).
  explicit MenuTree(const std::vector<MenuItemData>& menu);

  // A new node captioned "NewItem" with no shortcut, no bitmap and no action,
  // appended at the top level or as the last child of `parent`; its id.
  // CanAddChild tells first whether the new level still fits in a menu file.
  Id AddRoot() { return AddChild(kTop); }
  Id AddChild(Id parent);
  bool CanAddChild(Id parent) const;
  // Removes the node with all its descendants.
  void Delete(Id id);
  // Moves the node with its descendants to stand just before `target`, at the
  // target's level. False, and nothing moves, for the node itself, a target
  // inside the node's own branch, a node already standing there, or a move that
  // would nest deeper than a menu file holds.
  bool MoveBefore(Id node, Id target);

  bool Contains(Id id) const;
  Id Parent(Id id) const;
  const std::vector<Id>& Children(Id parent) const;
  MenuNode& node(Id id) { return entries_[static_cast<std::size_t>(id)].node; }
  const MenuNode& node(Id id) const { return entries_[static_cast<std::size_t>(id)].node; }

  // The menu items of the tree in order: caption, shortcut, bitmap and the
  // action encoded into the hint; a node without an action gets an empty hint.
  // Every other field has its default.
  std::vector<MenuItemData> Build() const;

 private:
  struct Entry {
    MenuNode node;
    Id parent = kTop;
    std::vector<Id> children;
    bool alive = true;
  };

  Id Insert(Id parent, MenuNode node);
  void Fill(Id parent, const std::vector<MenuItemData>& items);
  // Levels above the node (0 for a top-level node) and levels of its branch
  // below it.
  int Depth(Id id) const;
  int BranchHeight(Id id) const;
  void Build(Id parent, std::vector<MenuItemData>& items) const;

  std::vector<Entry> entries_;
};

}  // namespace plexara
