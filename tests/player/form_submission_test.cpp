// What submitting a form decides: wrong entries against AllowRetry, required choices, the order in
// which objects are checked, and the programs of checked choices.
#include "player/form_submission.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

ObjectData Edit(std::string typed, std::string expected, int allowRetry) {
  EditRecord record;
  record.text = std::move(typed);
  record.accurateText = std::move(expected);
  record.allowRetry = allowRetry;
  record.errorMessage = "Wrong, again.";
  record.failedMessage = "Wrong, bye.";
  record.failedCaption = "Failed";
  ObjectData object;
  object.record = record;
  return object;
}

template <typename Record>
ObjectData Choice(bool checked, bool needCheck, std::string runFile = {}) {
  Record record;
  record.checked = checked;
  record.needCheck = needCheck;
  ObjectData object;
  object.record = record;
  object.command.selectRunFile = std::move(runFile);
  return object;
}

TEST(FormSubmission, WrongEntriesAreRetriedUntilAllowRetryIsUsedUp) {
  std::vector<ObjectData> objects{Edit("guess", "secret", 3)};
  std::vector<int> counts;
  for (int attempt = 1; attempt <= 3; ++attempt) {
    const SubmitDecision d = DecideSubmission(objects, counts, "E:");
    EXPECT_EQ(d.outcome, SubmitOutcome::StayOpen) << attempt;
    EXPECT_EQ(d.boxText, "Wrong, again.");
    EXPECT_EQ(d.boxCaption, "Invalid");
    EXPECT_EQ(counts[0], attempt);
  }
  const SubmitDecision fourth = DecideSubmission(objects, counts, "E:");
  EXPECT_EQ(fourth.outcome, SubmitOutcome::Rejected);
  EXPECT_EQ(fourth.boxText, "Wrong, bye.");
  EXPECT_EQ(fourth.boxCaption, "Failed");

  // With AllowRetry 0 there is no limit; the right text then accepts without a box.
  std::vector<ObjectData> unlimited{Edit("guess", "secret", 0)};
  std::vector<int> unlimitedCounts;
  for (int attempt = 0; attempt < 50; ++attempt) {
    ASSERT_EQ(DecideSubmission(unlimited, unlimitedCounts, "E:").outcome, SubmitOutcome::StayOpen);
  }
  std::get<EditRecord>(unlimited[0].record).text = "secret";
  const SubmitDecision right = DecideSubmission(unlimited, unlimitedCounts, "E:");
  EXPECT_EQ(right.outcome, SubmitOutcome::Accepted);
  EXPECT_FALSE(right.showBox);
  // Comparison is exact: letter case counts.
  std::get<EditRecord>(unlimited[0].record).text = "Secret";
  EXPECT_EQ(DecideSubmission(unlimited, unlimitedCounts, "E:").outcome, SubmitOutcome::StayOpen);
}

TEST(FormSubmission, RequiredChoicesAndTheFirstFailingObjectDecide) {
  std::vector<int> counts;
  // The accepting radio button is required; while the refusing one is selected the form stays.
  std::vector<ObjectData> agreement{Choice<RadioButtonRecord>(false, true),
                                    Choice<RadioButtonRecord>(true, false)};
  SubmitDecision d = DecideSubmission(agreement, counts, "E:");
  EXPECT_EQ(d.outcome, SubmitOutcome::StayOpen);
  EXPECT_EQ(d.boxText, "Please select the radio button.");
  EXPECT_EQ(d.boxCaption, "Invalid");
  std::get<RadioButtonRecord>(agreement[0].record).checked = true;
  std::get<RadioButtonRecord>(agreement[1].record).checked = false;
  EXPECT_EQ(DecideSubmission(agreement, counts, "E:").outcome, SubmitOutcome::Accepted);

  // A new CheckBox is required; an unrequired unchecked one passes.
  std::vector<ObjectData> boxes{Choice<CheckBoxRecord>(false, false),
                                Choice<CheckBoxRecord>(false, true)};
  d = DecideSubmission(boxes, counts, "E:");
  EXPECT_EQ(d.boxText, "Please select the check box.");

  // Objects are checked in list order: a missing choice before a wrong entry stops the submission
  // without counting the entry.
  std::vector<ObjectData> mixed{Choice<CheckBoxRecord>(false, true), Edit("x", "y", 1)};
  counts.clear();
  d = DecideSubmission(mixed, counts, "E:");
  EXPECT_EQ(d.boxText, "Please select the check box.");
  EXPECT_EQ(counts[1], 0);
}

TEST(FormSubmission, CheckedChoicesRunTheirProgramsInListOrderOnceAccepted) {
  std::vector<ObjectData> objects{Choice<CheckBoxRecord>(true, true, "setup\\a.exe"),
                                  Choice<RadioButtonRecord>(false, false, "\\b.exe"),
                                  Choice<RadioButtonRecord>(true, true, "\\c.exe")};
  objects[0].command.selectRunFolder = "\\setup";
  objects[0].command.selectRunParameters = "/quiet";
  objects[0].command.selectRunWait = "Y";
  std::vector<int> counts;
  const SubmitDecision d = DecideSubmission(objects, counts, "E:");
  EXPECT_EQ(d.outcome, SubmitOutcome::Accepted);
  EXPECT_EQ(d.runs, (std::vector<ChoiceRun>{{"E:\\setup\\a.exe", "E:\\setup", "/quiet", true},
                                            {"E:\\c.exe", "E:", "", false}}));

  // A form that stays open runs nothing.
  objects.push_back(Edit("", "pw", 0));
  EXPECT_TRUE(DecideSubmission(objects, counts, "E:").runs.empty());
}

}  // namespace
}  // namespace plexara
