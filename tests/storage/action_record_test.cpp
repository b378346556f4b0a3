// The action record: its byte layout, the two packing slots (including the shorter slots of older
// files), failures reported once, and the action kind table.
#include "storage/action_record.h"

#include <gtest/gtest.h>

#include <set>

#include "storage/binary_fields.h"
#include "storage/error_report.h"
#include "storage/primitives.h"
#include "support/record_test_helpers.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::BytesOf;
using testing_support::CodeInText;
using testing_support::Encode;
using testing_support::ExpectEveryCutFailsOnce;
using testing_support::ExpectEveryLimitFailsOnce;
using testing_support::Recorder;
using testing_support::ScopedRecording;
using Bytes = testing_support::Bytes;

const std::string kFS1s(1, kFS1);
const std::string kRS2s(1, kRS2);

TCommand FullCommand() {
  TCommand c;
  c.actionKind = kActionOpenRunFile;
  c.showCommand = 3;
  c.actionTarget = "\\setup.exe";
  c.actionParameters = "/quiet";
  c.actionFolder = "\\bin";
  c.closeAfterAction = true;
  c.clickSound = "\\s\\click.wav";
  c.mouseDownSound = "\\s\\down.wav";
  c.mouseUpSound = "\\s\\up.wav";
  c.mouseEnterSound = "\\s\\enter.wav";
  c.mouseLeaveSound = "\\s\\leave.wav";
  c.cursor = "\\hand.ani";
  c.name = "Button7";
  c.comment = "First line\r\nsecond line\r\n";
  c.commentViewer = "Label1";
  c.graphicCommentViewer = "Image2";
  c.selectRunFile = "\\tools\\viewer.exe";
  c.selectRunParameters = "-x";
  c.selectRunFolder = "\\tools";
  c.selectRunWait = "Y";
  c.windowMoveHandle = true;
  c.enabled = false;
  c.visible = false;
  c.groupName = "Navigation";
  c.checkStyleInGroup = true;
  c.checked = true;
  return c;
}

Bytes Written(TCommand command) {
  return Encode([&](OutStream& o) { EXPECT_TRUE(WriteActionRecord(o, command)); });
}

// The slots exactly as given, as an older (or a foreign) writer left them.
Bytes WrittenWithSlots(const std::string& extraPack, const std::string& commentPack) {
  TCommand command;
  command.extraPack = extraPack;
  command.commentPack = commentPack;
  return Encode(
      [&](OutStream& o) { EXPECT_TRUE(WriteRecord(o, command, kCodeWriteActionRecord)); });
}

TCommand ReadBack(const Bytes& bytes) {
  MemoryInStream in(bytes);
  TCommand command;
  command.viewerSavedText = "stale";
  command.name = "stale";
  EXPECT_TRUE(ReadActionRecord(in, command));
  EXPECT_EQ(in.Remaining(), 0u);
  return command;
}

TEST(ActionRecord, ExtraPackOfANewObject) {
  EXPECT_EQ(PackExtra(TCommand()), kRS2s + kRS2s + kRS2s + " " + kRS2s + kFS1s + " " + kFS1s + "Y" +
                                       kFS1s + "Y" + kFS1s + kFS1s + " " + kFS1s + " " + kFS1s);
}

TEST(ActionRecord, ByteLayout) {
  TCommand command;
  command.actionKind = kActionVisitWebsite;
  command.actionTarget = "u";
  command.name = "B";
  const Bytes sounds(6 * 4, 0);  // five sounds and the cursor, all empty
  const std::string extra = PackExtra(TCommand());
  Bytes expected = BytesOf({2, 1, 0, 0, 0, 17, 0, 0, 0});
  expected.insert(expected.end(), extra.begin(), extra.end());
  for (const Bytes& part : {BytesOf({1, 0, 0, 0, 'u', 0, 0, 0, 0, 0, 0, 0, 0, 0}), sounds,
                            BytesOf({5, 0, 0, 0, 'B', 1, 1, 1, 1})}) {
    expected.insert(expected.end(), part.begin(), part.end());
  }
  EXPECT_EQ(Written(command), expected);
}

TEST(ActionRecord, EveryFieldRoundTripsExceptTheViewersSavedText) {
  TCommand full = FullCommand();
  full.viewerSavedText = "what the viewer showed";
  TCommand empty;
  empty.selectRunWait.clear();
  empty.enabled = false;
  for (TCommand original : {TCommand(), full, empty}) {
    const Bytes bytes = Written(original);
    const TCommand back = ReadBack(bytes);
    TCommand expected = original;
    RefreshPacks(expected);
    expected.viewerSavedText.clear();
    EXPECT_EQ(back, expected);
    EXPECT_EQ(Written(back), bytes);
  }
}

TEST(ActionRecord, WritingRebuildsStaleSlots) {
  TCommand command = FullCommand();
  command.extraPack = "left over";
  command.commentPack = "left over";
  MemoryOutStream out;
  ASSERT_TRUE(WriteActionRecord(out, command));
  EXPECT_EQ(command.extraPack, PackExtra(command));
  EXPECT_EQ(command.commentPack, PackComment(command));
  EXPECT_EQ(ReadBack(out.bytes()).name, "Button7");
}

TEST(ActionRecord, ShorterSlotsOfOlderFiles) {
  TCommand defaults;
  defaults.selectRunWait.clear();  // what an unpacked slot without a run segment leaves
  const std::string flags =
      " " + kFS1s + " " + kFS1s + " " + kFS1s + "G" + kFS1s + "Y" + kFS1s + "Y" + kFS1s;
  const struct {
    const char* name;
    std::string extraPack;
    void (*expect)(TCommand&);
  } cases[] = {
      {"empty slot", "", [](TCommand&) {}},
      {"no FS1", "run" + kRS2s + kRS2s + kRS2s + "Y" + kRS2s, [](TCommand&) {}},
      {"run segment without its fourth RS2",
       "a" + kRS2s + "b" + kRS2s + "c" + kRS2s + "Y" + kFS1s + flags,
       [](TCommand& c) {
         c.selectRunFile = "a";
         c.selectRunParameters = "b";
         c.selectRunFolder = "c";
       }},
      {"flags cut short",
       kRS2s + kRS2s + kRS2s + " " + kRS2s + kFS1s + "Y" + kFS1s + " " + kFS1s + " ",
       [](TCommand& c) {
         c.selectRunWait = " ";
         c.windowMoveHandle = true;
         c.enabled = false;
       }},
      {"every flag", "f" + kRS2s + "p" + kRS2s + "d" + kRS2s + "Y" + kRS2s + kFS1s + flags,
       [](TCommand& c) {
         c.selectRunFile = "f";
         c.selectRunParameters = "p";
         c.selectRunFolder = "d";
         c.selectRunWait = "Y";
         c.enabled = false;
         c.visible = false;
         c.groupName = "G";
         c.checkStyleInGroup = true;
         c.checked = true;
       }},
  };
  for (const auto& c : cases) {
    const TCommand back = ReadBack(WrittenWithSlots(c.extraPack, ""));
    TCommand expected = defaults;
    c.expect(expected);
    expected.extraPack = c.extraPack;
    EXPECT_EQ(back, expected) << c.name;
  }

  const struct {
    std::string commentPack;
    std::vector<std::string> fields;  // name, comment, viewer, graphic viewer
  } comments[] = {
      {"", {"", "", "", ""}},
      {"Name", {"", "", "", ""}},
      {"Name" + kFS1s + "Comment", {"Name", "", "", ""}},
      {"N" + kFS1s + "C\r\nD" + kFS1s + "V" + kFS1s + "I" + kFS1s, {"N", "C\r\nD", "V", "I"}},
  };
  for (const auto& c : comments) {
    const TCommand back = ReadBack(WrittenWithSlots("", c.commentPack));
    EXPECT_EQ((std::vector<std::string>{back.name, back.comment, back.commentViewer,
                                        back.graphicCommentViewer}),
              c.fields);
    EXPECT_EQ(back.commentPack, c.commentPack);
  }
}

// A separator typed or pasted into a field must not shift the fields after it.
TEST(ActionRecord, SeparatorBytesInsideFieldsAreDropped) {
  TCommand command = FullCommand();
  command.name = std::string("Na") + kFS1 + "me";
  command.selectRunFile = std::string("a") + kRS2 + "b" + kFS1;
  command.groupName = std::string("G") + kFS1 + kRS4;
  const TCommand back = ReadBack(Written(command));
  EXPECT_EQ(back.name, "Name");
  EXPECT_EQ(back.comment, command.comment);
  EXPECT_EQ(back.selectRunFile, "ab");
  EXPECT_EQ(back.selectRunWait, "Y");
  EXPECT_EQ(back.groupName, "G");
  EXPECT_FALSE(back.visible);
  EXPECT_TRUE(back.checked);
}

// Byte and int32 fields fail with the record's code; a string fails with the string's own code.
int ExpectedReadCode(const TCommand& command, std::size_t firstMissingByte) {
  const std::size_t closeFlag = 1 + 4 + 4 * 4 + command.extraPack.size() +
                                command.actionTarget.size() + command.actionParameters.size() +
                                command.actionFolder.size();
  return firstMissingByte < 5 || firstMissingByte == closeFlag ? kCodeReadActionRecord
                                                               : kCodeReadString;
}

TEST(ActionRecord, EveryTruncationFailsWithOneReport) {
  TCommand command = FullCommand();
  RefreshPacks(command);
  const Bytes bytes = Written(command);
  std::set<int> seen;
  ASSERT_NO_FATAL_FAILURE(ExpectEveryCutFailsOnce(
      bytes,
      [](InStream& in) {
        TCommand back;
        return ReadActionRecord(in, back);
      },
      [&](std::size_t length, const std::string& text) {
        const int code = ExpectedReadCode(command, length);
        seen.insert(code);
        EXPECT_EQ(CodeInText(text), code) << "cut at " << length << ": " << text;
      }));
  EXPECT_EQ(seen, (std::set<int>{kCodeReadActionRecord, kCodeReadString}));
}

TEST(ActionRecord, EveryWriteFailureIsReportedOnce) {
  TCommand command = FullCommand();
  const std::size_t size = Written(command).size();
  std::set<int> seen;
  ASSERT_NO_FATAL_FAILURE(ExpectEveryLimitFailsOnce(
      size, [&](OutStream& out) { return WriteActionRecord(out, command); },
      [&](std::size_t, const std::string& text) {
        const bool record = CodeInText(text) == 1079;
        const bool string = CodeInText(text) == 1053;
        EXPECT_TRUE(record || string) << text;
        seen.insert(record ? kCodeWriteActionRecord : kCodeWriteString);
      }));
  EXPECT_EQ(seen, (std::set<int>{kCodeWriteActionRecord, kCodeWriteString}));
}

TEST(ActionKindTable, NamesLabelsAndCloseFlags) {
  ASSERT_EQ(ActionKinds().size(), static_cast<std::size_t>(kActionKindCount));
  const struct {
    int kind;
    std::string_view name;
    std::string_view label;
  } cases[] = {
      {0, "None", "FileName"},
      {1, "Open/Run File", "FileName(s)"},
      {3, "Send Email", "EmailAddress"},
      {8, "Close Window", "FileName"},
      {17, "Copy File(s) then Open/Run", "File/Folder"},
      {25, "Last/Step", "ObjectName"},
      {26, "Load File with Object", "Object/File"},
      {27, "Show/Hide Enable/Disable Objects", "Objects"},
      {28, "Action Group", "Actions"},
      {29, "None", "FileName"},
      {-1, "None", "FileName"},
      {255, "None", "FileName"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ActionKindName(c.kind), c.name) << c.kind;
    EXPECT_EQ(ActionTargetLabel(c.kind), c.label) << c.kind;
  }
  std::set<int> closing;
  for (int kind = -1; kind <= 255; ++kind) {
    if (CloseAfterActionApplies(kind)) closing.insert(kind);
  }
  EXPECT_EQ(closing, (std::set<int>{1, 2, 3, 5, 7, 13, 14, 15, 16, 17}));

  std::set<int> packed;
  for (int kind = 0; kind < kActionKindCount; ++kind) {
    if (ActionKinds()[static_cast<std::size_t>(kind)].packedTarget) packed.insert(kind);
  }
  EXPECT_EQ(packed, (std::set<int>{1, 15, 17, 26, 27, 28}));
}

TEST(ActionKindTable, PickOrderListsEveryKindOnce) {
  const auto order = ActionKindPickOrder();
  ASSERT_EQ(order.size(), static_cast<std::size_t>(kActionKindCount));
  EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 6),
            (std::vector<int>{0, 1, 2, 3, 5, 17}));
  EXPECT_EQ(order.back(), kActionGroup);
  EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(),
            static_cast<std::size_t>(kActionKindCount));
}

}  // namespace
}  // namespace plexara
