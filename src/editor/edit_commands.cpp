#include "editor/edit_commands.h"

#include <algorithm>

#include "editor/editor_settings.h"
#include "objects/object_bounds.h"
#include "objects/object_order.h"
#include "storage/kind_table.h"

namespace plexara {
namespace {

// The only selected object, or the list's end when none or several are selected.
std::vector<ObjectData>::iterator SoleSelected(PageData& page) {
  if (SelectedCount(page) != 1) return page.objects.end();
  return std::find_if(page.objects.begin(), page.objects.end(),
                      [](const ObjectData& o) { return o.selected; });
}

}  // namespace

bool AlignToGrid(PageData& page, std::int32_t gridX, std::int32_t gridY) {
  bool changed = false;
  for (ObjectData& object : page.objects) {
    if (!object.selected) continue;
    ObjectBounds bounds = BoundsOf(object.record);
    const std::int32_t left = SnapToGrid(bounds.left, gridX);
    const std::int32_t top = SnapToGrid(bounds.top, gridY);
    if (left == bounds.left && top == bounds.top) continue;
    bounds.left = left;
    bounds.top = top;
    SetBounds(object.record, bounds);
    changed = true;
  }
  return changed;
}

bool AlignSelected(PageData& page, AlignMode mode) {
  const auto reference = std::find_if(page.objects.begin(), page.objects.end(),
                                      [](const ObjectData& o) { return o.selected; });
  if (reference == page.objects.end()) return false;
  const ObjectBounds r = BoundsOf(reference->record);
  bool aligned = false;
  for (auto object = std::next(reference); object != page.objects.end(); ++object) {
    if (!object->selected) continue;
    ObjectBounds b = BoundsOf(object->record);
    switch (mode) {
      case AlignMode::Left:
        b.left = r.left;
        break;
      case AlignMode::Center:
        b.left = r.left + r.width / 2 - b.width / 2;
        break;
      case AlignMode::Right:
        b.left = r.left + r.width - b.width;
        break;
      case AlignMode::Top:
        b.top = r.top;
        break;
      case AlignMode::Middle:
        b.top = r.top + r.height / 2 - b.height / 2;
        break;
      case AlignMode::Bottom:
        b.top = r.top + r.height - b.height;
        break;
    }
    SetBounds(object->record, b);
    aligned = true;
  }
  return aligned;
}

void PartitionObjects(std::vector<ObjectData>& objects) { PartitionDrawnFirst(objects); }

bool BringToFront(PageData& page) {
  const auto object = SoleSelected(page);
  if (object == page.objects.end()) return false;
  std::rotate(object, std::next(object), page.objects.end());
  PartitionObjects(page.objects);
  return true;
}

bool SendToBack(PageData& page) {
  const auto object = SoleSelected(page);
  if (object == page.objects.end()) return false;
  std::rotate(page.objects.begin(), object, std::next(object));
  PartitionObjects(page.objects);
  return true;
}

void SelectAll(PageData& page) {
  for (ObjectData& object : page.objects) object.selected = true;
}

void DeselectAll(PageData& page) {
  for (ObjectData& object : page.objects) object.selected = false;
}

std::size_t SelectedCount(const PageData& page) {
  return static_cast<std::size_t>(std::count_if(page.objects.begin(), page.objects.end(),
                                                [](const ObjectData& o) { return o.selected; }));
}

bool DeleteSelected(PageData& page) {
  const auto kept = std::remove_if(page.objects.begin(), page.objects.end(),
                                   [](const ObjectData& o) { return o.selected; });
  if (kept == page.objects.end()) return false;
  page.objects.erase(kept, page.objects.end());
  return true;
}

bool ClearObjects(PageData& page) {
  if (page.objects.empty()) return false;
  page.objects.clear();
  return true;
}

bool SetVisibleInGroups(PageData& page, std::span<const std::string> groups, bool visible) {
  bool changed = false;
  for (ObjectData& object : page.objects) {
    if (object.command.visible == visible || object.command.groupName.empty()) continue;
    if (std::find(groups.begin(), groups.end(), object.command.groupName) == groups.end()) continue;
    object.command.visible = visible;
    changed = true;
  }
  return changed;
}

std::int32_t SelectorIndex(const PageData& page) {
  switch (SelectedCount(page)) {
    case 0:
      return 0;
    case 1: {
      const auto object = std::find_if(page.objects.begin(), page.objects.end(),
                                       [](const ObjectData& o) { return o.selected; });
      return static_cast<std::int32_t>(object - page.objects.begin()) + 1;
    }
    default:
      return -1;
  }
}

}  // namespace plexara
