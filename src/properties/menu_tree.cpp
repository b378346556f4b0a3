#include "properties/menu_tree.h"

#include <algorithm>

#include "storage/primitives.h"

namespace plexara {

GroupedAction GroupedActionOf(const MenuItemAction& action) {
  return GroupedAction{.actionKind = action.actionKind,
                       .showCommand = action.showCommand,
                       .target = action.actionTarget,
                       .parameters = action.actionParameters,
                       .folder = action.actionFolder,
                       .closeAfterAction = action.closeAfterAction};
}

MenuItemAction MenuItemActionOf(const GroupedAction& action) {
  return MenuItemAction{.actionKind = action.actionKind,
                        .showCommand = action.showCommand,
                        .actionTarget = action.target,
                        .actionParameters = action.parameters,
                        .actionFolder = action.folder,
                        .closeAfterAction = action.closeAfterAction};
}

MenuTree::MenuTree(const std::vector<MenuItemData>& menu) {
  entries_.emplace_back();  // kTop
  Fill(kTop, menu);
}

void MenuTree::Fill(Id parent, const std::vector<MenuItemData>& items) {
  for (const MenuItemData& item : items) {
    MenuNode node;
    node.caption = item.caption;
    std::erase(node.caption, '&');
    node.shortcut = item.shortcut;
    node.bitmap = item.bitmap;
    MenuItemAction action;
    if (DecodeMenuItemAction(item.hint, action)) node.action = GroupedActionOf(action);
    Fill(Insert(parent, std::move(node)), item.items);
  }
}

MenuTree::Id MenuTree::Insert(Id parent, MenuNode node) {
  const Id id = static_cast<Id>(entries_.size());
  entries_.push_back(Entry{std::move(node), parent, {}, true});
  entries_[static_cast<std::size_t>(parent)].children.push_back(id);
  return id;
}

bool MenuTree::CanAddChild(Id parent) const {
  return parent == kTop || (Contains(parent) && Depth(parent) < kMaxMenuDepth);
}

MenuTree::Id MenuTree::AddChild(Id parent) {
  if (!CanAddChild(parent)) return kTop;
  return Insert(parent, MenuNode{.caption = kNewCaption});
}

void MenuTree::Delete(Id id) {
  if (!Contains(id)) return;
  std::erase(entries_[static_cast<std::size_t>(Parent(id))].children, id);
  std::vector<Id> pending{id};
  while (!pending.empty()) {
    Entry& entry = entries_[static_cast<std::size_t>(pending.back())];
    pending.pop_back();
    entry.alive = false;
    pending.insert(pending.end(), entry.children.begin(), entry.children.end());
    entry.children.clear();
    entry.node = MenuNode{};
  }
}

bool MenuTree::MoveBefore(Id node, Id target) {
  if (!Contains(node) || !Contains(target) || node == target) return false;
  for (Id up = Parent(target); up != kTop; up = Parent(up)) {
    if (up == node) return false;  // the target lies inside the moved branch
  }
  const Id newParent = Parent(target);
  const int newDepth = newParent == kTop ? 0 : Depth(newParent) + 1;
  if (newDepth + BranchHeight(node) > kMaxMenuDepth) return false;
  std::vector<Id>& oldSiblings = entries_[static_cast<std::size_t>(Parent(node))].children;
  std::vector<Id>& newSiblings = entries_[static_cast<std::size_t>(newParent)].children;
  const auto at = std::find(newSiblings.begin(), newSiblings.end(), target);
  if (at != newSiblings.begin() && *(at - 1) == node) return false;  // already just before it
  std::erase(oldSiblings, node);
  newSiblings.insert(std::find(newSiblings.begin(), newSiblings.end(), target), node);
  entries_[static_cast<std::size_t>(node)].parent = newParent;
  return true;
}

bool MenuTree::Contains(Id id) const {
  return id > kTop && id < static_cast<Id>(entries_.size()) &&
         entries_[static_cast<std::size_t>(id)].alive;
}

MenuTree::Id MenuTree::Parent(Id id) const { return entries_[static_cast<std::size_t>(id)].parent; }

const std::vector<MenuTree::Id>& MenuTree::Children(Id parent) const {
  return entries_[static_cast<std::size_t>(parent)].children;
}

int MenuTree::Depth(Id id) const {
  int depth = 0;
  for (Id up = Parent(id); up != kTop; up = Parent(up)) ++depth;
  return depth;
}

int MenuTree::BranchHeight(Id id) const {
  int height = 0;
  for (const Id child : Children(id)) height = std::max(height, 1 + BranchHeight(child));
  return height;
}

std::vector<MenuItemData> MenuTree::Build() const {
  std::vector<MenuItemData> items;
  Build(kTop, items);
  return items;
}

void MenuTree::Build(Id parent, std::vector<MenuItemData>& items) const {
  for (const Id id : Children(parent)) {
    const MenuNode& source = node(id);
    MenuItemData& item = items.emplace_back();
    item.caption = source.caption;
    item.shortcut = source.shortcut;
    item.bitmap = source.bitmap;
    // The player runs nothing for an empty hint: an item without an action
    // carries none.
    if (source.action.actionKind != kActionNone)
      item.hint = EncodeMenuItemAction(MenuItemActionOf(source.action));
    Build(id, item.items);
  }
}

}  // namespace plexara
