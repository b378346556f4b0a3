#include "properties/page_name_lists.h"

#include <algorithm>

#include "storage/ascii_case.h"

namespace plexara {

std::vector<std::string> GroupNames(const PageData& page) {
  std::vector<std::string> names;
  for (const ObjectData& object : page.objects) {
    const std::string& group = object.command.groupName;
    if (!group.empty() && std::find(names.begin(), names.end(), group) == names.end())
      names.push_back(group);
  }
  return names;
}

std::vector<std::string> ObjectNamesOfKinds(const PageData& page, std::initializer_list<ObjectKind> kinds) {
  std::vector<std::string> names;
  for (const ObjectData& object : page.objects) {
    if (std::find(kinds.begin(), kinds.end(), static_cast<ObjectKind>(object.kind())) != kinds.end())
      names.push_back(object.command.name);
  }
  return names;
}

std::vector<std::string> PageNamesOfKinds(const std::vector<TAutoFormInfo>& pages,
                                          std::initializer_list<PageKind> kinds, std::string_view except) {
  std::vector<std::string> names;
  for (const TAutoFormInfo& page : pages) {
    if (std::find(kinds.begin(), kinds.end(), static_cast<PageKind>(page.kind)) != kinds.end() &&
        !SameTextIgnoringCase(page.name, except))
      names.push_back(page.name);
  }
  return names;
}

}  // namespace plexara
