#include "editor/palette.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "storage/kind_table.h"

namespace plexara {
namespace {

TEST(Palette, SelectFirstThenEveryPlaceableKindOnceWithItsHint) {
  const auto slots = PaletteSlots();
  ASSERT_FALSE(slots.empty());
  EXPECT_EQ(slots[0].kind, kSelectTool);
  std::map<int, int> seen;
  for (std::size_t i = 1; i < slots.size(); ++i) {
    const KindInfo* info = FindKind(slots[i].kind);
    ASSERT_NE(info, nullptr) << "slot " << i;
    EXPECT_EQ(slots[i].hint, "Add " + std::string(info->typeName));
    ++seen[slots[i].kind];
    EXPECT_EQ(PaletteSlotOfKind(slots[i].kind), static_cast<int>(i));
  }
  for (const KindInfo& info : KindTable()) {
    const int code = static_cast<int>(info.kind);
    const bool hasTool = info.kind != ObjectKind::FadeLabel && info.kind != ObjectKind::ShellComboBox;
    EXPECT_EQ(seen[code], hasTool ? 1 : 0) << info.typeName;
    if (!hasTool) {
      EXPECT_EQ(PaletteSlotOfKind(code), -1);
    }
  }
}

TEST(Palette, ShowsTheKindsInTheirPaletteOrder) {
  const char* expected[] = {"Button", "ImageButton", "Shape", "Image", "SimpleText", "Label", "Link",
                            "Text", "ScrollText", "ListBox", "DropDownList", "ListView", "TreeView",
                            "ShellListView", "ShellTreeView", "TextBox", "RichText", "Explorer",
                            "Flash", "AVI", "MediaPlayer", "SlideShow", "Edit", "RadioButton",
                            "CheckBox"};
  const auto slots = PaletteSlots();
  ASSERT_EQ(slots.size(), std::size(expected) + 1);
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(TypeNameOf(slots[i + 1].kind), expected[i]) << "slot " << i + 1;
  }
}

}  // namespace
}  // namespace plexara
