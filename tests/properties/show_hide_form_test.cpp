#include "properties/show_hide_form.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plexara {
namespace {

PageData PageOf(std::initializer_list<std::pair<const char*, const char*>> namesAndGroups) {
  PageData page;
  for (const auto& [name, group] : namesAndGroups) {
    ObjectData object;
    object.command.name = name;
    object.command.groupName = group;
    page.objects.push_back(object);
  }
  return page;
}

// What the dialog's lists give back on OK when nothing was touched: every list checks the entries
// named in its section and reports them in list order.
std::string Confirmed(const PageData& page, std::string_view settings) {
  const ShowHideEntries entries = ShowHideEntries::Of(page);
  const ShowHideSettings given = ShowHideSettings::Decode(settings);
  std::array<std::vector<std::string>, kShowHideListCount> checked;
  for (std::size_t i = 0; i < kShowHideLists.size(); ++i) {
    const auto& names = given.sections[static_cast<std::size_t>(kShowHideLists[i].section)];
    for (const std::string& entry : entries.For(kShowHideLists[i].section)) {
      if (std::find(names.begin(), names.end(), entry) != names.end()) checked[i].push_back(entry);
    }
  }
  return ShowHideText(checked);
}

TEST(ShowHideForm, ListsOfferObjectsInPageOrderAndDistinctGroups) {
  const PageData page = PageOf(
      {{"Title", "Menu"}, {"Play", "Media"}, {"", "Loose"}, {"Stop", "Media"}, {"Logo", ""}, {"Play", ""}});
  const ShowHideEntries entries = ShowHideEntries::Of(page);
  // A shared name is offered once, so confirming never writes it twice.
  EXPECT_EQ(entries.objectNames, (std::vector<std::string>{"Title", "Play", "Stop", "Logo"}));
  EXPECT_EQ(entries.groupNames, (std::vector<std::string>{"Menu", "Media", "Loose"}));
  for (const ShowHideList& list : kShowHideLists) {
    const bool groups = list.label.find("Group") != std::string_view::npos;
    EXPECT_EQ(&entries.For(list.section), groups ? &entries.groupNames : &entries.objectNames)
        << list.label;
  }
}

TEST(ShowHideForm, ConfirmKeepsNamesInListOrderAndDropsNamesThePageLost) {
  const PageData page = PageOf({{"Title", "Menu"}, {"Play", "Media"}, {"Stop", "Media"}});
  // Sections in stored order: show, hide, enable, disable groups, then the same for objects.
  const std::string given = std::string("Media\r\nGoneGroup\x01") + "\x01" + "\x01" + "Menu\x01" +
                            "Stop\r\nGone\r\nTitle\x01" + "Play\x01" + "\x01" + "Gone\x01";
  EXPECT_EQ(Confirmed(page, given), std::string("Media\x01") + "\x01" + "\x01" + "Menu\x01" +
                                        "Title\r\nStop\x01" + "Play\x01" + "\x01" + "\x01");
  // A string made from the page's own names comes back unchanged, so OK reports no change.
  const std::string current =
      std::string("Menu\x01\x01\x01\x01") + "Title\r\nPlay\x01\x01\x01Stop\x01";
  EXPECT_EQ(Confirmed(page, current), current);
}

TEST(ShowHideForm, EachListWritesItsOwnSection) {
  std::array<std::vector<std::string>, kShowHideListCount> checked;
  for (std::size_t i = 0; i < checked.size(); ++i) checked[i] = {"L" + std::to_string(i)};
  // Lists run objects first; the string stores groups first.
  EXPECT_EQ(ShowHideText(checked), "L4\x01L5\x01L6\x01L7\x01L0\x01L1\x01L2\x01L3\x01");
}

}  // namespace
}  // namespace plexara
