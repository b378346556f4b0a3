// Name lists the grid offers: the page's group names, the names of its objects of some kinds, and
// the names of the project's pages of some page kinds.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "storage/page_file.h"
#include "storage/project_file.h"

namespace plexara {

// The distinct non-empty group names of the page's objects, in order of first appearance (exact
// comparison).
std::vector<std::string> GroupNames(const PageData& page);

// The names of the page's objects of the given kinds, in page order.
std::vector<std::string> ObjectNamesOfKinds(const PageData& page, std::initializer_list<ObjectKind> kinds);

// The names of the project's pages of the given page kinds, in page-list order, without the page
// named `except` (compared ignoring letter case).
std::vector<std::string> PageNamesOfKinds(const std::vector<TAutoFormInfo>& pages,
                                          std::initializer_list<PageKind> kinds, std::string_view except);

}  // namespace plexara
