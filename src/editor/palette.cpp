#include "editor/palette.h"

#include <iterator>

namespace plexara {
namespace {

constexpr PaletteSlot kSlots[] = {
    {kSelectTool, "Select"},
    {0, "Add Button"},
    {1, "Add ImageButton"},
    {19, "Add Shape"},
    {2, "Add Image"},
    {17, "Add SimpleText"},
    {3, "Add Label"},
    {4, "Add Link"},
    {6, "Add Text"},
    {7, "Add ScrollText"},
    {20, "Add ListBox"},
    {21, "Add DropDownList"},
    {22, "Add ListView"},
    {23, "Add TreeView"},
    {26, "Add ShellListView"},
    {25, "Add ShellTreeView"},
    {8, "Add TextBox"},
    {9, "Add RichText"},
    {11, "Add Explorer"},
    {18, "Add Flash"},
    {10, "Add AVI"},
    {12, "Add MediaPlayer"},
    {13, "Add SlideShow"},
    {14, "Add Edit"},
    {15, "Add RadioButton"},
    {16, "Add CheckBox"},
};

}  // namespace

std::span<const PaletteSlot> PaletteSlots() { return kSlots; }

int PaletteSlotOfKind(int kind) {
  for (int slot = 1; slot < static_cast<int>(std::size(kSlots)); ++slot) {
    if (kSlots[slot].kind == kind) return slot;
  }
  return -1;
}

}  // namespace plexara
