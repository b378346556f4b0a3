// The objects the "Load file with object" dialog offers: those that can show a file, in page
// order.
#include "properties/load_file_form.h"

#include <gtest/gtest.h>

#include "storage/kind_records.h"

namespace plexara {
namespace {

TEST(LoadFileForm, OffersTheObjectsThatShowAFileInPageOrder) {
  PageData page;
  // Every kind twice, the second round in reverse, so both kind and order matter.
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < kObjectKindCount; ++i) {
      const int kind = round == 0 ? i : kObjectKindCount - 1 - i;
      ObjectData object;
      object.record = MakeKindRecord(kind);
      object.command.name = "K" + std::to_string(kind) + (round == 0 ? "a" : "b");
      page.objects.push_back(std::move(object));
    }
  }
  EXPECT_EQ(
      LoadFileObjectNames(page),
      (std::vector<std::string>{"K2a",  "K6a",  "K7a",  "K8a",  "K9a",  "K10a", "K11a", "K12a",
                                "K13a", "K17a", "K18a", "K18b", "K17b", "K13b", "K12b", "K11b",
                                "K10b", "K9b",  "K8b",  "K7b",  "K6b",  "K2b"}));
  EXPECT_TRUE(LoadFileObjectNames(PageData{}).empty());
}

}  // namespace
}  // namespace plexara
