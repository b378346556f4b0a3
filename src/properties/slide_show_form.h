// The lists and number fields of the "Launch slide show" dialog without its window: the transition
// styles as the author picks them, the picture styles, the ranges of the three spin boxes, and
// the colour box's entries. The dialog is slide_show_dialog_win32.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "storage/font_data.h"

namespace plexara {

inline constexpr std::string_view kSlideShowCaption = "Launch slide show";

// "0 - Random", then every transition as its number, " - " and its name; an entry's position is
// the stored style.
std::vector<std::string> SlideShowStyleChoices();

// The "ImageStyle:" list; an entry's position is the stored picture style.
inline constexpr std::array<std::string_view, 5> kSlideShowImageStyles = {
    "Normal", "Center", "Stretch", "ShrinkFit", "EnlargeFit"};

// A spin box: its range and how many digits its field takes.
struct SpinRange {
  int minimum;
  int maximum;
  int digits;
};
inline constexpr SpinRange kSlideStepRange{1, 99, 2};         // "Step (%):"
inline constexpr SpinRange kSlideStepDelayRange{1, 9999, 4};  // "StepDelay (ms)"
inline constexpr SpinRange kSlideIntervalRange{0, 99, 2};     // "Interval"

// The value of a spin box's text: decimal digits (blanks around allowed) kept to the range; text
// that holds no number keeps `previous`, itself kept to the range.
int SpinValueFromText(std::string_view text, const SpinRange& range, int previous);

// The colour box lists the named colours (pretty names) and then the custom entry, which shows any
// other colour. The entry for a colour: the first named colour equal to it, else the custom one.
std::size_t ColorBoxIndex(ColorRef color);
std::size_t ColorBoxCustomIndex();

}  // namespace plexara
