// The opacity sequences of a page window's fades and the other small decisions of the page window
// that do not need a window: kept portable so their arithmetic is tested exactly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plexara {

// Opacities a fade-in sets, one pause after each: 0, step, 2 × step, ... while below 255. The
// final 255 is set by the caller after the loop. Empty when the fade is off (delay or step not
// positive).
std::vector<std::uint8_t> FadeInOpacities(std::int32_t delay, std::int32_t step);
// Opacities a fade-out sets, one repaint and pause after each: 255, 255 − step, ... while above 0;
// the caller then sets 0.
std::vector<std::uint8_t> FadeOutOpacities(std::int32_t delay, std::int32_t step);

// A cursor file name as the process-wide cursor table keys it: upper-cased, with a leading
// backslash. Empty for an empty name.
std::string CursorTableKey(std::string_view cursorFile);

// A path stored relative to the project root, joined the way the player joins sounds and cursors:
// the root, a backslash when the stored text has none, and the text.
std::string RootRelativePath(std::string_view projectRoot, std::string_view stored);

}  // namespace plexara
