// The object an author drops on a page: the kind's new record (its default size and the text of a
// new object), the common record of a new object with the page's next free default name, and the
// drop position. The page window turns it into a live control (TAutoRunForm::AddObject).
#pragma once

#include <cstdint>

#include "storage/page_file.h"

namespace plexara {

// A new object of `kind` (0..26) placed with its top-left corner at (x, y) of `page`; the page is
// only read, for the names already taken.
ObjectData NewPageObject(const PageData& page, int kind, std::int32_t x, std::int32_t y);

}  // namespace plexara
