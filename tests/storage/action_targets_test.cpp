// The packed action targets: exact texts, round trips, the single file form of Open/Run File,
// nested targets in action groups, and damaged text that decodes without failing.
#include "storage/action_targets.h"

#include <gtest/gtest.h>

#include <functional>

namespace plexara {
namespace {

// Builds packed text from a readable pattern: '|' is FS1, '#' RS2, '^' FS3, '$' RS4.
std::string P(std::string_view pattern) {
  std::string text;
  for (char c : pattern) {
    switch (c) {
      case '|':
        text.push_back(kFS1);
        break;
      case '#':
        text.push_back(kRS2);
        break;
      case '^':
        text.push_back(kFS3);
        break;
      case '$':
        text.push_back(kRS4);
        break;
      default:
        text.push_back(c);
    }
  }
  return text;
}

RunListSettings SampleRunList() {
  RunListSettings list;
  list.entries = {{"\\setup.exe", "/q", "\\", true}, {"\\readme.txt", "", "", false}};
  return list;
}

SlideShowSettings SampleSlideShow() {
  return {"\\photos", false, 150, 4, 99, 9999, 0, static_cast<ColorRef>(0x80000005), "\\music.mid"};
}

CopyFileSettings SampleCopy() {
  return {"\\data", "[ProgramFiles]\\Demo", true, false, "Copy", "Go on?", 0, "demo.exe", "-a",
          "\\bin"};
}

ShowHideSettings SampleShowHide() {
  ShowHideSettings settings;
  settings.sections[kShowGroups] = {"Menu", "Extras"};
  settings.sections[kDisableGroups] = {"Menu"};
  settings.sections[kHideObjects] = {"Button1"};
  settings.sections[kDisableObjects] = {"Label 2", "Image3", "Text4"};
  return settings;
}

ActionGroupSettings SampleGroup() {
  ActionGroupSettings group;
  group.actions = {
      {kActionOpenRunFile, 1, SampleRunList().Encode(), "", "", true},
      {kActionLaunchSlideShow, 1, SampleSlideShow().Encode(), "", "", false},
      {kActionSendEmail, 3, "info@example.org", "?subject=Hi", "", false},
      {kActionCloseWindow, 0, "", "", "", false},
  };
  return group;
}

TEST(ActionTargets, ExactTexts) {
  EXPECT_EQ(SlideShowSettings().Encode(), P("|Y|0|3|4|50|2|0||"));
  EXPECT_EQ(SampleSlideShow().Encode(), P("\\photos| |150|4|99|9999|0|-2147483643|\\music.mid|"));
  RunListSettings list;
  list.entries = {{"\\app.exe", "", "\\", false}};
  EXPECT_EQ(list.Encode(), P("\\app.exe||\\| |#"));
  EXPECT_EQ(
      CopyFileSettings().Encode(),
      P("|| |Y|Copy File|Copy file/folder to your hard disk then open file, continue?|1|||\\|"));
  EXPECT_EQ((LoadFileSettings{"Image1", "\\a.png"}.Encode()), P("Image1|\\a.png|"));
  EXPECT_EQ(SampleShowHide().Encode(),
            P("Menu\r\nExtras|||Menu||Button1||Label 2\r\nImage3\r\nText4|"));
  ActionGroupSettings group;
  group.actions = {{kActionVisitWebsite, 1, "http://x", "", "", true},
                   {kActionExit, 1, "", "", "", false}};
  EXPECT_EQ(group.Encode(), P("2^1^http://x^^^Y^$9^1^^^^ ^$"));
}

// Encode, decode and encode again: equal values, identical text, nothing reported missing.
template <typename Settings>
bool RoundTrips(const Settings& settings) {
  const std::string text = settings.Encode();
  bool complete = false;
  const Settings back = Settings::Decode(text, &complete);
  return complete && back == settings && back.Encode() == text;
}

TEST(ActionTargets, EveryFormatRoundTrips) {
  const struct {
    const char* name;
    std::function<bool()> check;
  } cases[] = {
      {"run list", [] { return RoundTrips(SampleRunList()); }},
      {"slide show",
       [] { return RoundTrips(SampleSlideShow()) && RoundTrips(SlideShowSettings()); }},
      {"copy", [] { return RoundTrips(SampleCopy()) && RoundTrips(CopyFileSettings()); }},
      {"load file",
       [] {
         return RoundTrips(LoadFileSettings{"Media Player 1", "\\clips\\a.avi"});
       }},
      {"show/hide", [] { return RoundTrips(SampleShowHide()) && RoundTrips(ShowHideSettings()); }},
      {"action group",
       [] { return RoundTrips(SampleGroup()) && RoundTrips(ActionGroupSettings()); }},
  };
  for (const auto& c : cases) EXPECT_TRUE(c.check()) << c.name;
}

TEST(ActionTargets, ATargetWithoutRS2IsOneFileEvenWithFS1) {
  for (const std::string& target :
       {P("\\a b.exe|/x|"), std::string("\\setup.exe"), std::string()}) {
    bool complete = false;
    const RunListSettings list = RunListSettings::Decode(target, &complete);
    EXPECT_TRUE(list.singleForm);
    EXPECT_TRUE(complete);
    EXPECT_EQ(list.singleFile, target);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_EQ(list.Encode(), target);
  }
  const RunListSettings list = RunListSettings::Decode(SampleRunList().Encode());
  EXPECT_FALSE(list.singleForm);
  EXPECT_EQ(list.entries.size(), 2u);
}

TEST(ActionTargets, GroupedActionsKeepTheirNestedTargets) {
  const ActionGroupSettings group = ActionGroupSettings::Decode(SampleGroup().Encode());
  ASSERT_EQ(group.actions.size(), 4u);
  EXPECT_EQ(RunListSettings::Decode(group.actions[0].target), SampleRunList());
  EXPECT_TRUE(group.actions[0].closeAfterAction);
  EXPECT_EQ(SlideShowSettings::Decode(group.actions[1].target), SampleSlideShow());
  EXPECT_EQ(group.actions[2].showCommand, 3);
  EXPECT_EQ(group.actions[3].showCommand, 0);  // used as written
}

// Damaged or hand-made text never fails: what precedes the first missing separator is kept.
TEST(ActionTargets, DamagedTextDecodesToWhatIsThere) {
  bool complete = true;

  RunListSettings list = RunListSettings::Decode(P("a|p|f|Y|#b|q|#c|r|g| |#"), &complete);
  EXPECT_FALSE(complete);
  EXPECT_EQ(list.entries,
            (std::vector<RunListEntry>{{"a", "p", "f", true}, {"b", "q", "", false}}));
  list = RunListSettings::Decode(P("a|p|f|Y|#b|q|g| |"), &complete);  // last entry without RS2
  EXPECT_FALSE(complete);
  EXPECT_EQ(list.entries, (std::vector<RunListEntry>{{"a", "p", "f", true}}));
  list = RunListSettings::Decode(P("#a|p|f|Y|#"), &complete);  // an entry without even a file
  EXPECT_FALSE(complete);
  EXPECT_TRUE(list.entries.empty());

  SlideShowSettings show = SlideShowSettings::Decode(P("\\p| |x7|9|0|99999|-3|"), &complete);
  EXPECT_FALSE(complete);
  const SlideShowSettings expectedShow{"\\p", false, 0, 3, 1, 9999, 0, kColorBlack, ""};
  EXPECT_EQ(show, expectedShow);
  show = SlideShowSettings::Decode(P("|Y|151|-1|4|50|2|2147483648|m|"), &complete);
  EXPECT_TRUE(complete);  // well separated; out-of-range numbers take their defaults or limits
  EXPECT_EQ(show.style, 0);
  EXPECT_EQ(show.imageStyle, 3);
  EXPECT_EQ(show.backgroundColor, kColorBlack);
  EXPECT_EQ(show.music, "m");

  CopyFileSettings copy = CopyFileSettings::Decode(P("src|dst|Y| |Cap|Msg|7|run|"), &complete);
  EXPECT_FALSE(complete);
  CopyFileSettings expectedCopy;
  expectedCopy.source = "src";
  expectedCopy.targetFolder = "dst";
  expectedCopy.overwrite = true;
  expectedCopy.showMessage = false;
  expectedCopy.caption = "Cap";
  expectedCopy.message = "Msg";
  expectedCopy.runFile = "run";
  EXPECT_EQ(copy, expectedCopy);
  EXPECT_EQ(CopyFileSettings::Decode(P("||||||3||||")).messageType, 3);
  copy.messageType = 9;
  EXPECT_EQ(CopyFileSettings::Decode(copy.Encode()).messageType, kCopyMessageQuestion);

  EXPECT_EQ(LoadFileSettings::Decode(P("Image1|\\a.png"), &complete),
            (LoadFileSettings{"Image1", ""}));
  EXPECT_FALSE(complete);

  ShowHideSettings lists = ShowHideSettings::Decode(P("A\nB\r\n\r\nC\r|D||"), &complete);
  EXPECT_FALSE(complete);  // three of eight sections
  EXPECT_EQ(lists.sections[kShowGroups], (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(lists.sections[kHideGroups], (std::vector<std::string>{"D"}));
  EXPECT_TRUE(lists.sections[kEnableGroups].empty());

  ActionGroupSettings group = ActionGroupSettings::Decode(
      P("257^1^t^^^Y^$-1^x^t^^^Y^$12^2^Main^^^$6^1^Sub^^$16^1^never^^^^$"), &complete);
  EXPECT_FALSE(complete);
  ASSERT_EQ(group.actions.size(), 3u);  // the fourth entry lacks its fifth FS3 and ends the list
  EXPECT_EQ(group.actions[0],
            (GroupedAction{kActionNone, 1, "t", "", "", true}));  // 257 never wraps to 1
  EXPECT_EQ(group.actions[1], (GroupedAction{kActionNone, 1, "t", "", "", true}));
  EXPECT_EQ(group.actions[2],
            (GroupedAction{kActionGotoPage, 2, "Main", "", "", false}));  // no sixth FS3
  group = ActionGroupSettings::Decode(P("9^1^^^^ ^$trailing"), &complete);
  EXPECT_FALSE(complete);
  EXPECT_EQ(group.actions.size(), 1u);
}

// A separator inside a field would shift the fields after it, so writers drop it; a target nested
// in a group keeps its own separators.
TEST(ActionTargets, SeparatorsInsideFieldsAreDropped) {
  LoadFileSettings load{P("Ima|ge1"), P("a#b^c$")};
  EXPECT_EQ(load.Encode(), P("Image1|abc|"));
  ShowHideSettings lists;
  lists.sections[kShowObjects] = {"Line\r\nbreak", P("x|y")};
  EXPECT_EQ(ShowHideSettings::Decode(lists.Encode()).sections[kShowObjects],
            (std::vector<std::string>{"Linebreak", "xy"}));
  RunListSettings single;
  single.singleForm = true;
  single.singleFile = P("a|b#c");
  EXPECT_EQ(single.Encode(), P("a|bc"));
  ActionGroupSettings group;
  group.actions = {{kActionLoadFileWithObject, 1, P("Obj|f^$|"), P("p^"), "", false}};
  EXPECT_EQ(group.Encode(), P("26^1^Obj|f|^p^^ ^$"));
}

}  // namespace
}  // namespace plexara
