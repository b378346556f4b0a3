#include "objects/object_order.h"

#include <gtest/gtest.h>

#include "objects/new_object.h"

namespace plexara {
namespace {

TEST(ObjectOrder, DrawnObjectsComeFirstEachGroupKeepingItsOrder) {
  PageData page;
  // Edit and ListBox have windows; Shape, Label and Image are drawn.
  for (int kind : {14, 19, 20, 3, 2}) {
    page.objects.push_back(NewPageObject(page, kind, 0, 0));
  }
  EXPECT_TRUE(PartitionDrawnFirst(page.objects));
  std::vector<std::string> names;
  for (const ObjectData& object : page.objects) names.push_back(object.command.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Shape1", "Label1", "Image1", "Edit1", "ListBox1"}));
  EXPECT_FALSE(PartitionDrawnFirst(page.objects));
}

}  // namespace
}  // namespace plexara
