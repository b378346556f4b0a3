#include "properties/grid_size.h"

#include <algorithm>

namespace plexara {

int GridSizeFromText(std::string_view text, int previous) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return previous;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return previous;
    value = std::min(value * 10 + (c - '0'), 1000);  // anything past the maximum stays past it
  }
  return std::clamp(value, kGridSizeMin, kGridSizeMax);
}

}  // namespace plexara
