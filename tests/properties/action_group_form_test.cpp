#include "properties/action_group_form.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

GroupedAction Action(std::uint8_t kind, std::string target) {
  GroupedAction action;
  action.actionKind = kind;
  action.target = std::move(target);
  return action;
}

TEST(ActionGroupForm, RowsShowSettingsMarksOnlyForKindsSetUpInADialog) {
  struct Case {
    GroupedAction action;
    const char* kind;
    const char* settings;
  };
  const Case cases[] = {
      {Action(kActionOpenRunFile, "\\a.exe\x01\x01\x01 \x01\x02"), "Open/Run File", "[Settings]"},
      {Action(kActionLaunchSlideShow, ""), "Launch Slide Show", "[None]"},
      {Action(kActionCopyFiles, "x"), "Copy File(s) then Open/Run", "[Settings]"},
      {Action(kActionLoadFileWithObject, ""), "Load File with Object", "[None]"},
      {Action(kActionShowHideObjects, "A\x01"), "Show/Hide Enable/Disable Objects", "[Settings]"},
      {Action(kActionVisitWebsite, "http://example.com"), "Visit Website", "http://example.com"},
      {Action(kActionGotoPage, "Page2"), "Goto Page", "Page2"},
      {Action(kActionExit, ""), "Exit", ""},
      // Groups do not nest; one smuggled in by a hand-made string shows what it holds.
      {Action(kActionGroup, "raw"), "Action Group", "raw"},
      {Action(200, "t"), "None", "t"},
  };
  for (const Case& c : cases) {
    const ActionGroupRow row = ActionGroupRowOf(c.action);
    EXPECT_EQ(row.action, c.kind);
    EXPECT_EQ(row.settings, c.settings) << c.kind;
  }
}

TEST(ActionGroupForm, CloseFlagsSurviveAConfirmAndNewActionsStartClear) {
  // Kind, show command, target, parameters, folder, close; each ended by FS3, records by RS4.
  const std::string given = std::string(
                                "2\x03"
                                "1\x03http://a\x03\x03\x03Y\x03\x04") +
                            "9\x03"
                            "3\x03\x03\x03\x03 \x03\x04";
  const ActionGroupSettings read = ActionGroupSettings::Decode(given);
  ASSERT_EQ(read.actions.size(), 2u);
  EXPECT_TRUE(read.actions[0].closeAfterAction);
  EXPECT_FALSE(read.actions[1].closeAfterAction);
  EXPECT_EQ(read.Encode(), given);

  ActionGroupSettings added = read;
  added.actions.push_back(NewGroupedAction());
  EXPECT_EQ(added.Encode(), given +
                                "0\x03"
                                "1\x03\x03\x03\x03 \x03\x04");
}

}  // namespace
}  // namespace plexara
