// The rows of the page being edited (its name, frame, background, shadow and fades), the border
// style names the grid shows for a frame, and the rename check of the PageName row.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "properties/property_rows.h"

namespace plexara {

// Rows 1 to 24 when the page is selected.
std::span<const RowDef> PageRows();

// The border style name for a border style code and the border icons (bit 0 system menu, bit 1
// minimise box).
std::string BorderStyleName(std::uint8_t borderStyle, std::uint8_t borderIcons);
// The names the BorderStyle list offers, in list order.
std::span<const std::string_view> BorderStyleChoices();
// Applies a chosen name; false when the name is not offered.
bool ApplyBorderStyleName(std::string_view name, std::uint8_t& borderStyle, std::uint8_t& borderIcons);

// The GradientStyle list, in list order (not code order).
std::span<const std::string_view> GradientStyleChoices();

// What renaming the page to `text` comes to.
enum class PageRenameOutcome : std::uint8_t { Unchanged, Rename, Duplicate, NotAFileName };
struct PageRenameCheck {
  PageRenameOutcome outcome;
  std::string message;  // the refusal text
};
// `pages` is the project's page list; the comparison with other pages ignores letter case. A
// name must stay a plain file name (it names the page's file).
PageRenameCheck CheckPageRename(const std::vector<TAutoFormInfo>& pages, std::string_view currentName,
                                std::string_view text);

}  // namespace plexara
