// The names of the 150 picture transition styles, numbered from 1. The editor
// shows a style as its number, " - " and its name; the transition view's
// StyleName is looked up here. The names are kept exactly as projects and
// authors know them, misspellings included, so a name typed or stored anywhere
// keeps matching its style.
#pragma once

#include <span>
#include <string_view>

namespace plexara {

inline constexpr int kTransitionStyleCount = 150;

// All names; index 0 is style 1.
std::span<const std::string_view> TransitionNames();

// The name of style 1..kTransitionStyleCount; empty for any other number (0 is
// the custom or random style, which has no entry here).
std::string_view TransitionName(int style);

// The style whose name equals `name` with letter case ignored (ASCII only); the
// first such style where two share a name; 0 when none does.
int TransitionStyleByName(std::string_view name);

}  // namespace plexara
