// A new object dropped on a page: its default name, its kind's size and new text, its position.
#include "objects/new_object.h"

#include <gtest/gtest.h>

#include "objects/object_bounds.h"

namespace plexara {
namespace {

TEST(NewPageObject, TakesTheNextFreeNameTheKindsSizeAndTheDropPosition) {
  PageData page;
  for (const char* name : {"Button1", "Button3", "button2"}) {
    page.objects.push_back(NewPageObject(page, 0, 0, 0));
    page.objects.back().command.name = name;
  }
  const ObjectData button = NewPageObject(page, 0, 30, 40);
  EXPECT_EQ(button.command.name, "Button2") << "names compare exactly";
  EXPECT_EQ(button.kind(), 0);
  EXPECT_EQ(BoundsOf(button.record), (ObjectBounds{30, 40, 105, 25}));
  EXPECT_EQ(std::get<ButtonRecord>(button.record).caption, "New Button");
  EXPECT_EQ(button.command.actionKind, 0);
  EXPECT_EQ(button.command.showCommand, 1);
  EXPECT_TRUE(button.command.visible && button.command.enabled);

  EXPECT_EQ(std::get<TextRecord>(NewPageObject(page, 6, 0, 0).record).text, "New Text");
  EXPECT_EQ(std::get<EditRecord>(NewPageObject(page, 14, 0, 0).record).text, "");
}

TEST(NewPageObject, EveryFixedSizeKindStartsAtTheSizeOfItsKindTable) {
  const PageData page;
  for (const KindInfo& info : KindTable()) {
    if (info.sizeRule != KindSizeRule::Fixed && info.sizeRule != KindSizeRule::HeightFromFont) continue;
    const ObjectBounds bounds = BoundsOf(NewPageObject(page, static_cast<int>(info.kind), 7, 9).record);
    EXPECT_EQ(bounds, (ObjectBounds{7, 9, info.defaultWidth, info.defaultHeight})) << info.typeName;
  }
}

}  // namespace
}  // namespace plexara
