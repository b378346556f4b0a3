// Menu shortcuts as text: the names shown beside menu items and offered by the
// menu editor, and the reading of typed names back into shortcut values
// (virtual-key code in the low byte plus the kShortcutShift/Ctrl/Alt flags of
// menu_item_data.h).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace plexara {

// The shortcuts the menu editor's "Shot Cut:" list offers, in list order:
// Ctrl+A..Z, Ctrl+Alt+A..Z, F1..F12 plain, with Ctrl, Shift and Shift+Ctrl,
// then the Ins, Del and BkSp combinations.
std::span<const std::uint16_t> MenuShortcutChoices();

// The name of a shortcut, modifiers first in the order Shift+, Ctrl+, Alt+
// ("Shift+Ctrl+F5"); empty for 0 and for a key that has no name here.
std::string ShortcutText(std::uint16_t shortcut);

// A typed shortcut name: modifiers Shift, Ctrl and Alt in any order, each at
// most once, then one key name; letter case and blanks around the parts do not
// matter. 0 when the text names no shortcut (also for the empty text).
std::uint16_t ParseShortcut(std::string_view text);

}  // namespace plexara
