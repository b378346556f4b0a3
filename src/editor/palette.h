// The object tool palette as data: the Select tool, then one creation tool per kind the author can
// place directly, in the order the palette shows them, each with its hint text. The palette window,
// its icons and the design surface's creation tool all read this one table.
#pragma once

#include <span>
#include <string_view>

namespace plexara {

inline constexpr int kSelectTool = -1;

struct PaletteSlot {
  int kind;               // ObjectKind code of the object the tool creates; kSelectTool for Select
  std::string_view hint;  // tool tip of the button
};

// Slot 0 is Select; FadeLabel and ShellComboBox have no tool (their objects come from templates,
// pasting and page files).
std::span<const PaletteSlot> PaletteSlots();

// The slot of the tool that creates `kind`; -1 for a kind without a tool.
int PaletteSlotOfKind(int kind);

}  // namespace plexara
