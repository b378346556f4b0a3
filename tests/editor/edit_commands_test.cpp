// The Edit menu's commands over a page's objects: the align arithmetic, the windowed partition the
// order commands keep, deleting, clearing, groups and the selector's item.
#include "editor/edit_commands.h"

#include <gtest/gtest.h>

#include "objects/new_object.h"
#include "objects/object_bounds.h"

namespace plexara {
namespace {

ObjectData Placed(PageData& page, ObjectKind kind, ObjectBounds bounds, bool selected = true) {
  ObjectData object = NewPageObject(page, static_cast<int>(kind), 0, 0);
  SetBounds(object.record, bounds);
  object.selected = selected;
  return object;
}

std::vector<std::string> Names(const PageData& page) {
  std::vector<std::string> names;
  for (const ObjectData& object : page.objects) names.push_back(object.command.name);
  return names;
}

TEST(AlignSelected, MovesEveryOtherSelectedObjectToTheFirstSelected) {
  struct Case {
    AlignMode mode;
    ObjectBounds moved;
  };
  // Reference 10,20 100x50; the other object 30x10 at 300,400.
  for (const Case& c :
       {Case{AlignMode::Left, {10, 400, 30, 10}}, Case{AlignMode::Center, {45, 400, 30, 10}},
        Case{AlignMode::Right, {80, 400, 30, 10}}, Case{AlignMode::Top, {300, 20, 30, 10}},
        Case{AlignMode::Middle, {300, 40, 30, 10}}, Case{AlignMode::Bottom, {300, 60, 30, 10}}}) {
    PageData page;
    page.objects.push_back(Placed(page, ObjectKind::Shape, {500, 500, 5, 5}, false));
    page.objects.push_back(Placed(page, ObjectKind::Shape, {10, 20, 100, 50}));
    page.objects.push_back(Placed(page, ObjectKind::Shape, {300, 400, 30, 10}));
    EXPECT_TRUE(AlignSelected(page, c.mode));
    EXPECT_EQ(BoundsOf(page.objects[2].record), c.moved) << static_cast<int>(c.mode);
    EXPECT_EQ(BoundsOf(page.objects[1].record), (ObjectBounds{10, 20, 100, 50}));
    EXPECT_EQ(BoundsOf(page.objects[0].record), (ObjectBounds{500, 500, 5, 5})) << "not selected";
  }
  PageData single;
  single.objects.push_back(Placed(single, ObjectKind::Shape, {1, 2, 3, 4}));
  EXPECT_FALSE(AlignSelected(single, AlignMode::Left)) << "nothing else to align";
}

TEST(AlignToGrid, SnapsLeftAndTopToTheNearestGridLine) {
  PageData page;
  page.objects.push_back(Placed(page, ObjectKind::Shape, {11, 12, 30, 30}));
  page.objects.push_back(Placed(page, ObjectKind::Shape, {16, 20, 30, 30}));
  page.objects.push_back(Placed(page, ObjectKind::Shape, {3, 3, 30, 30}, false));
  EXPECT_TRUE(AlignToGrid(page, 8, 10));
  EXPECT_EQ(BoundsOf(page.objects[0].record), (ObjectBounds{8, 10, 30, 30}));
  EXPECT_EQ(BoundsOf(page.objects[1].record), (ObjectBounds{16, 20, 30, 30}));
  EXPECT_EQ(BoundsOf(page.objects[2].record), (ObjectBounds{3, 3, 30, 30}));
  EXPECT_FALSE(AlignToGrid(page, 8, 10)) << "already on the grid";
}

TEST(OrderCommands, ADrawnObjectNeverGoesAboveAWindowedOneAndAWindowedOneNeverBelow) {
  PageData page;
  page.objects.push_back(Placed(page, ObjectKind::Label, {}, true));
  page.objects.push_back(Placed(page, ObjectKind::Image, {}, false));
  page.objects.push_back(Placed(page, ObjectKind::TextBox, {}, false));
  page.objects.push_back(Placed(page, ObjectKind::Edit, {}, false));

  EXPECT_TRUE(BringToFront(page));
  EXPECT_EQ(Names(page), (std::vector<std::string>{"Image1", "Label1", "TextBox1", "Edit1"}));

  DeselectAll(page);
  page.objects[3].selected = true;
  EXPECT_TRUE(SendToBack(page));
  EXPECT_EQ(Names(page), (std::vector<std::string>{"Image1", "Label1", "Edit1", "TextBox1"}));

  SelectAll(page);
  EXPECT_FALSE(BringToFront(page)) << "only with exactly one selected";
  EXPECT_EQ(Names(page), (std::vector<std::string>{"Image1", "Label1", "Edit1", "TextBox1"}));
}

TEST(PartitionObjects, KeepsTheOrderWithinDrawnAndWindowedKinds) {
  PageData page;
  for (const ObjectKind kind : {ObjectKind::ListBox, ObjectKind::Image, ObjectKind::Flash,
                                ObjectKind::Shape, ObjectKind::SimpleText}) {
    page.objects.push_back(Placed(page, kind, {}));
  }
  PartitionObjects(page.objects);
  EXPECT_EQ(Names(page),
            (std::vector<std::string>{"Image1", "Shape1", "SimpleText1", "ListBox1", "Flash1"}));
}

TEST(DeleteAndClear, RemoveTheSelectionOrEverythingAndSayWhenNothingChanged) {
  PageData page;
  EXPECT_FALSE(ClearObjects(page));
  page.objects.push_back(Placed(page, ObjectKind::Button, {}, false));
  page.objects.push_back(Placed(page, ObjectKind::Label, {}, true));
  page.objects.push_back(Placed(page, ObjectKind::Link, {}, true));
  EXPECT_TRUE(DeleteSelected(page));
  EXPECT_EQ(Names(page), std::vector<std::string>{"Button1"});
  EXPECT_FALSE(DeleteSelected(page));
  EXPECT_TRUE(ClearObjects(page));
  EXPECT_TRUE(page.objects.empty());
}

TEST(Groups, ListDistinctNamesInFirstAppearanceAndSetVisibleByGroup) {
  PageData page;
  for (const char* group : {"Menu", "", "Info", "Menu", "Extra"}) {
    page.objects.push_back(Placed(page, ObjectKind::Button, {}, false));
    page.objects.back().command.groupName = group;
  }
  EXPECT_EQ(GroupNames(page), (std::vector<std::string>{"Menu", "Info", "Extra"}));

  const std::vector<std::string> chosen{"Menu", "Extra"};
  EXPECT_TRUE(SetVisibleInGroups(page, chosen, false));
  std::vector<bool> visible;
  for (const ObjectData& object : page.objects) visible.push_back(object.command.visible);
  EXPECT_EQ(visible, (std::vector<bool>{false, true, true, false, false}));
  EXPECT_FALSE(SetVisibleInGroups(page, chosen, false)) << "no flag changed";
}

TEST(SelectorIndex, IsThePageTheObjectOrNothing) {
  PageData page;
  for (int i = 0; i < 3; ++i) page.objects.push_back(Placed(page, ObjectKind::Shape, {}, false));
  EXPECT_EQ(SelectorIndex(page), 0);
  page.objects[2].selected = true;
  EXPECT_EQ(SelectorIndex(page), 3);
  page.objects[0].selected = true;
  EXPECT_EQ(SelectorIndex(page), -1);
}

}  // namespace
}  // namespace plexara
