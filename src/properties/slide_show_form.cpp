#include "properties/slide_show_form.h"

#include <algorithm>

#include "properties/value_formats.h"
#include "slideshow/transition_names.h"
#include "storage/action_targets.h"

namespace plexara {

// The stored style is the transition's number, so the list and the table must agree.
static_assert(kTransitionStyleCount == kSlideShowStyleCount);
static_assert(kSlideShowImageStyles.size() == kSlideShowImageStyleCount);

std::vector<std::string> SlideShowStyleChoices() {
  std::vector<std::string> choices;
  choices.reserve(TransitionNames().size() + 1);
  choices.emplace_back("0 - Random");
  int style = 1;
  for (const std::string_view name : TransitionNames())
    choices.push_back(std::to_string(style++) + " - " + std::string(name));
  return choices;
}

int SpinValueFromText(std::string_view text, const SpinRange& range, int previous) {
  const int kept = std::clamp(previous, range.minimum, range.maximum);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return kept;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return kept;
    value = std::min(value * 10 + (c - '0'), range.maximum + 1);  // past the maximum stays past it
  }
  return std::clamp(value, range.minimum, range.maximum);
}

std::size_t ColorBoxIndex(ColorRef color) {
  const auto named = NamedColors();
  const auto found = std::find_if(named.begin(), named.end(), [color](const NamedColor& entry) {
    return entry.color == color;
  });
  return static_cast<std::size_t>(found - named.begin());
}

std::size_t ColorBoxCustomIndex() { return NamedColors().size(); }

}  // namespace plexara
