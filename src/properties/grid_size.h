// The grid size an author types into the Grid Size dialog, kept to what the design surface can
// snap to: the surface divides by it, so a zero or empty field must never get through.
#pragma once

#include <string_view>

namespace plexara {

inline constexpr int kGridSizeMin = 2;
inline constexpr int kGridSizeMax = 99;

// The value of a spin box's text: decimal digits, kept to kGridSizeMin..kGridSizeMax; text that
// holds no number (empty, or not digits) keeps `previous`.
int GridSizeFromText(std::string_view text, int previous);

}  // namespace plexara
