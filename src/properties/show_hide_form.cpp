#include "properties/show_hide_form.h"

#include <algorithm>

#include "properties/page_name_lists.h"

namespace plexara {

ShowHideEntries ShowHideEntries::Of(const PageData& page) {
  ShowHideEntries entries;
  for (const ObjectData& object : page.objects) {
    // A nameless row could be checked but would write nothing: the settings drop empty names. A
    // name two objects share is offered once: the action finds objects by name, and a second row
    // would write the name twice, so an untouched dialog would report a change.
    const std::string& name = object.command.name;
    if (!name.empty() && std::find(entries.objectNames.begin(), entries.objectNames.end(), name) ==
                             entries.objectNames.end())
      entries.objectNames.push_back(name);
  }
  entries.groupNames = GroupNames(page);
  return entries;
}

const std::vector<std::string>& ShowHideEntries::For(ShowHideSection section) const {
  return kShowHideSectionEffects[static_cast<std::size_t>(section)].byGroupName ? groupNames
                                                                                : objectNames;
}

std::string ShowHideText(
    const std::array<std::vector<std::string>, kShowHideListCount>& checkedByList) {
  ShowHideSettings settings;
  for (std::size_t i = 0; i < kShowHideLists.size(); ++i)
    settings.sections[static_cast<std::size_t>(kShowHideLists[i].section)] = checkedByList[i];
  return settings.Encode();
}

}  // namespace plexara
