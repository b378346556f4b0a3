// The Edit menu's commands over the page's object list and the selected flags: align, order,
// select, delete, clear, the group list and the Visible flag by group, and which selector item a
// selection shows. Each returns whether it changed the page, so the window knows when to mark
// the project modified and refresh.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "properties/page_name_lists.h"
#include "storage/page_file.h"

namespace plexara {

// Snaps the left and top of every selected object to the grid.
bool AlignToGrid(PageData& page, std::int32_t gridX, std::int32_t gridY);

enum class AlignMode : std::uint8_t { Left, Center, Right, Top, Middle, Bottom };
// Aligns every selected object to the first selected one in list order.
bool AlignSelected(PageData& page, AlignMode mode);

// Stable: every non-windowed object before every windowed one, each group in its order, so no
// drawn object is ever listed above a windowed control it cannot be drawn over.
void PartitionObjects(std::vector<ObjectData>& objects);

// With exactly one object selected, moves it to the end (front) or start (back) of the list and
// partitions; false and nothing changed otherwise.
bool BringToFront(PageData& page);
bool SendToBack(PageData& page);

void SelectAll(PageData& page);
void DeselectAll(PageData& page);
std::size_t SelectedCount(const PageData& page);
// Removes every selected object; false when none was selected.
bool DeleteSelected(PageData& page);
// Removes every object; false on an empty page.
bool ClearObjects(PageData& page);

// Sets the stored Visible flag of every object in one of the groups; true when a flag changed.
bool SetVisibleInGroups(PageData& page, std::span<const std::string> groups, bool visible);

// The object selector's item for the selection: 0 (the page) when none is selected, the object's
// list index + 1 when one is, -1 when several are.
std::int32_t SelectorIndex(const PageData& page);

}  // namespace plexara
