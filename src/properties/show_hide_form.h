// The Show/Hide Enable/Disable Objects dialog as data: its eight check lists, the names each one
// offers, and the settings string made from what is checked in them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "storage/action_targets.h"
#include "storage/page_file.h"

namespace plexara {

// One of the dialog's check lists: its label and the section of the settings it edits.
struct ShowHideList {
  std::string_view label;
  ShowHideSection section;
};

inline constexpr int kShowHideListCount = kShowHideSectionCount;
inline constexpr int kShowHideListsPerGroup = 4;

// The lists in the order the dialog lays them out: the group "By Object Name", then the group "By
// Group Name", each as show, hide, enable, disable. The settings store the group sections first, so
// a list always reaches its section through this table, never by its position.
inline constexpr std::array<ShowHideList, kShowHideListCount> kShowHideLists = {{
    {"Check Objects to Show:", kShowObjects},
    {"Check Objects to Hide:", kHideObjects},
    {"Check Objects to Enable:", kEnableObjects},
    {"Check Objects to Disable:", kDisableObjects},
    {"Show Group:", kShowGroups},
    {"Hide Group:", kHideGroups},
    {"Enable Group:", kEnableGroups},
    {"Disable Group:", kDisableGroups},
}};

// The names the lists offer on a page.
struct ShowHideEntries {
  std::vector<std::string> objectNames;  // distinct object names, in page order
  std::vector<std::string> groupNames;   // distinct non-empty group names, first appearance first

  static ShowHideEntries Of(const PageData& page);
  const std::vector<std::string>& For(ShowHideSection section) const;
};

// The settings string from the names checked in each list (indexed as kShowHideLists), each section
// in list order.
std::string ShowHideText(
    const std::array<std::vector<std::string>, kShowHideListCount>& checkedByList);

}  // namespace plexara
