// List object records: every record round-trips with its items, columns and nested nodes; the
// field order and widths are pinned on small records; damaged input fails once with the code of
// the record that failed; deep or oversized trees are refused.
#include "storage/list_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <type_traits>

#include "storage/binary_fields.h"
#include "storage/primitives.h"
#include "support/picture_fixtures.h"
#include "support/record_test_helpers.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::BytesOf;
using testing_support::Encode;
using testing_support::ExpectEveryCutFailsOnceWithCodeIn;
using testing_support::ExpectExactRoundTrip;
using testing_support::ExpectLastByteFailuresReport;
using testing_support::Recorder;
using testing_support::ReportedCode;
using testing_support::ScopedRecording;
using testing_support::Written;
using Bytes = testing_support::Bytes;

Picture SmallPicture(int size) { return Picture::FromBitmap(testing_support::MakeTestBitmap(size, size)); }

FontData SampleFont() {
  FontData font;
  font.name = "Verdana";
  font.color = RgbColor(9, 8, 7);
  font.size = 13;
  font.style = kFontItalic | kFontUnderline;
  return font;
}

TCommand SampleCommand(const std::string& tag) {
  TCommand c;
  c.actionKind = 13;
  c.showCommand = 3;
  c.actionTarget = "Page " + tag;
  c.actionParameters = "-p";
  c.actionFolder = "\\work";
  c.closeAfterAction = true;
  c.clickSound = "\\click.wav";
  c.name = "item " + tag;
  c.comment = "comment";
  c.enabled = false;
  c.groupName = "g";
  return c;
}

template <typename Item>
Item SampleItem(const std::string& tag) {
  Item item;
  item.text = "Item " + tag;
  item.picture = SmallPicture(2);
  item.action = SampleCommand(tag);
  if constexpr (std::is_base_of_v<TListViewItem, Item>) item.subText = "cell " + tag + "\r\nsecond";
  return item;
}

// Two top-level nodes; the first has child entries and two levels of children.
std::vector<TTreeNode> SampleTree() {
  TTreeNode grandchild = SampleItem<TTreeNode>("1.1.1");
  TTreeNode child = SampleItem<TTreeNode>("1.1");
  child.children = {grandchild};
  TTreeNode first = SampleItem<TTreeNode>("1");
  first.childItems = {SampleItem<TListViewItem>("e1"), SampleItem<TListViewItem>("e2")};
  first.children = {child, SampleItem<TTreeNode>("1.2")};
  return {first, SampleItem<TTreeNode>("2")};
}

ListBoxRecord Sample(ListBoxRecord r) {
  r.cursor = -21;
  r.hint = "pick one";
  r.font = SampleFont();
  r.border = 0;
  r.color = RgbColor(1, 2, 3);
  r.itemHeight = 24;
  r.iconWidth = 20;
  r.iconHeight = 18;
  r.items = {SampleItem<TListBoxItem>("a"), SampleItem<TListBoxItem>("b")};
  r.selectedIndex = 1;
  r.left = -5;
  r.top = 7;
  r.width = 300;
  r.height = 120;
  return r;
}

DropDownListRecord Sample(DropDownListRecord r) {
  r.cursor = 5;
  r.hint = "drop";
  r.font = SampleFont();
  r.color = RgbColor(4, 5, 6);
  r.itemHeight = 30;
  r.iconWidth = 24;
  r.iconHeight = 22;
  r.items = {SampleItem<TListBoxItem>("x")};
  r.selectedIndex = 0;
  r.dropDownCount = 12;
  r.left = 1;
  r.top = 2;
  r.width = 3;
  r.height = 4;
  return r;
}

ListViewRecord Sample(ListViewRecord r) {
  r.cursor = -2;
  r.hint = "view";
  r.font = SampleFont();
  r.border = 0;
  r.color = RgbColor(7, 7, 7);
  r.iconWidth = 48;
  r.iconHeight = 40;
  r.hotTrack = true;
  r.hotTrackStyle = kHotTrackUnderlineCold;
  TListViewColumn column;
  column.alignment = 2;
  column.autoSize = true;
  column.caption = "Size";
  column.imageIndex = 3;
  column.maxWidth = 400;
  column.minWidth = 10;
  column.tag = -9;
  column.width = 120;
  r.reportColumns = {column, TListViewColumn{}};
  r.items = {SampleItem<TListViewItem>("v1"), SampleItem<TListViewItem>("v2")};
  r.reportGridLines = true;
  r.hideSelection = true;
  r.reportRowSelect = true;
  r.sortType = 2;
  r.viewStyle = 3;
  r.left = 10;
  r.top = 20;
  r.width = 30;
  r.height = 40;
  return r;
}

TreeViewRecord Sample(TreeViewRecord r) {
  r.cursor = 1;
  r.hint = "tree";
  r.font = SampleFont();
  r.border = 0;
  r.color = RgbColor(8, 9, 10);
  r.iconWidth = 20;
  r.iconHeight = 21;
  r.hotTrack = false;
  r.showRoot = false;
  r.expandLevels = 2;
  r.associatedListView = "ListView1";
  r.items = SampleTree();
  r.left = 11;
  r.top = 12;
  r.width = 13;
  r.height = 14;
  return r;
}

ShellComboBoxRecord Sample(ShellComboBoxRecord r) {
  r.cursor = 3;
  r.hint = "folders";
  r.font = SampleFont();
  r.color = RgbColor(11, 12, 13);
  r.dropDownCount = 4;
  r.root = "\\docs";
  r.shellTreeView = "ShellTreeView1";
  r.left = 5;
  r.top = 6;
  r.width = 7;
  r.height = 8;
  return r;
}

ShellTreeViewRecord Sample(ShellTreeViewRecord r) {
  r.cursor = 4;
  r.hint = "tree";
  r.font = SampleFont();
  r.border = 0;
  r.color = RgbColor(14, 15, 16);
  r.hotTrack = false;
  r.root = "\\data\\";
  r.shellListView = "ShellListView1";
  r.left = 9;
  r.top = 10;
  r.width = 11;
  r.height = 12;
  return r;
}

ShellListViewRecord Sample(ShellListViewRecord r) {
  r.cursor = 6;
  r.hint = "files";
  r.font = SampleFont();
  r.border = 0;
  r.color = RgbColor(17, 18, 19);
  r.hotTrack = true;
  r.hotTrackStyle = 0;
  r.viewStyle = 2;
  r.root = "\\music";
  r.left = 13;
  r.top = 14;
  r.width = 15;
  r.height = 16;
  return r;
}

// The kind codes and report codes every reader of our files relies on.
using testing_support::KindCodes;
KindCodes ExpectedCodes(ListBoxRecord) { return {20, 1086, 1087}; }
KindCodes ExpectedCodes(DropDownListRecord) { return {21, 1088, 1089}; }
KindCodes ExpectedCodes(ListViewRecord) { return {22, 1093, 1092}; }
KindCodes ExpectedCodes(TreeViewRecord) { return {23, 1094, 1095}; }
KindCodes ExpectedCodes(ShellComboBoxRecord) { return {24, 1096, 1097}; }
KindCodes ExpectedCodes(ShellTreeViewRecord) { return {25, 1110, 1111}; }
KindCodes ExpectedCodes(ShellListViewRecord) { return {26, 1098, 1099}; }

template <typename Record>
class ListRecordTest : public ::testing::Test {};
using ListRecordTypes = ::testing::Types<ListBoxRecord, DropDownListRecord, ListViewRecord, TreeViewRecord,
                                         ShellComboBoxRecord, ShellTreeViewRecord, ShellListViewRecord>;
TYPED_TEST_SUITE(ListRecordTest, ListRecordTypes);

TYPED_TEST(ListRecordTest, NonDefaultValuesRoundTripExactly) {
  ScopedRecording recording;
  const TypeParam original = Sample(TypeParam{});
  ASSERT_NE(original, TypeParam{});
  ExpectExactRoundTrip(original);
}

TYPED_TEST(ListRecordTest, DamageFailsOnceWithTheFailingRecordsCode) {
  const KindCodes expected = ExpectedCodes(TypeParam{});
  ASSERT_EQ(TypeParam::kKind, expected.kind);
  const Bytes bytes = Written(Sample(TypeParam{}));
  // The record's own scalars, the primitives and the nested item, column and node records.
  // font, string, picture, action record, item, column, tree node
  const std::set<int> known = {expected.read, 1052, 1054, 1056, 1080, 1113, 1115, 1091};
  ASSERT_NO_FATAL_FAILURE(ExpectEveryCutFailsOnceWithCodeIn(
      bytes,
      [](InStream& in) {
        TypeParam read;
        return ReadRecord(in, read, TypeParam::kReadCode);
      },
      known));
  ExpectLastByteFailuresReport(bytes, Sample(TypeParam{}), expected.read, expected.write);
}

Bytes Int32Bytes(std::int32_t value) {
  Bytes bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
  return bytes;
}

Bytes StringBytes(const std::string& text) {
  Bytes bytes = Int32Bytes(static_cast<std::int32_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

void Append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

TEST(ListRecords, ShellListViewLayout) {
  ShellListViewRecord r;
  r.cursor = -2;
  r.hint = "h";
  r.font.name = "A";
  r.font.color = RgbColor(1, 2, 3);
  r.font.size = 9;
  r.font.style = kFontBold;
  r.border = 0;
  r.color = RgbColor(0x33, 0x22, 0x11);
  r.hotTrack = true;
  r.hotTrackStyle = 3;
  r.viewStyle = 1;
  r.root = "\\r";
  r.left = 1;
  r.top = 2;
  r.width = 3;
  r.height = 4;
  EXPECT_EQ(Written(r), BytesOf({0xFE, 0xFF,                                          // cursor
                                      1, 0, 0, 0, 'h',                                     // Hint
                                      1, 0, 0, 0, 'A', 1, 2, 3, 0, 9, 0, 0, 0, 1,          // Font
                                      0,                                                   // Border
                                      0x33, 0x22, 0x11, 0,                                 // colour
                                      1, 3, 1,                                             // HotTrack, style, ViewStyle
                                      2, 0, 0, 0, '\\', 'r',                               // Root
                                      1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0}));  // bounds
}

// Pins the node layout: item (text, picture, action, sub text, entries), then the child nodes;
// and the column layout of a ListView.
TEST(ListRecords, TreeNodeAndColumnLayouts) {
  const Bytes action = Encode([](OutStream& out) {
    TCommand command;
    WriteActionRecord(out, command);
  });
  const Bytes noPicture = Int32Bytes(0);

  TTreeNode node;
  node.text = "a";
  node.subText = "s";
  node.childItems.resize(1);
  node.childItems[0].text = "c";
  node.children.resize(1);
  node.children[0].text = "d";
  const Bytes nodeBytes = Encode([&](OutStream& out) {
    BinaryWriteVisitor v(out, kCodeWriteTreeNode);
    VisitFields(v, node);
  });
  Bytes expected = StringBytes("a");
  Append(expected, noPicture);
  Append(expected, action);
  Append(expected, StringBytes("s"));
  const std::size_t entryCountAt = expected.size();
  Append(expected, Int32Bytes(1));  // one entry: text, picture, action, sub text, no children
  Append(expected, StringBytes("c"));
  Append(expected, noPicture);
  Append(expected, action);
  Append(expected, StringBytes(""));
  const std::size_t childCountAt = expected.size();
  Append(expected, Int32Bytes(1));  // one child node
  Append(expected, StringBytes("d"));
  Append(expected, noPicture);
  Append(expected, action);
  Append(expected, StringBytes(""));
  Append(expected, Int32Bytes(0));  // no entries
  Append(expected, Int32Bytes(0));  // no children
  EXPECT_EQ(nodeBytes, expected);

  TListViewColumn column;
  column.alignment = 2;
  column.autoSize = true;
  column.caption = "C";
  column.imageIndex = -1;
  column.maxWidth = 5;
  column.minWidth = 6;
  column.tag = 7;
  column.width = 8;
  const Bytes columnBytes = Encode([&](OutStream& out) { WriteRecord(out, column, kCodeWriteListColumn); });
  EXPECT_EQ(columnBytes,
            BytesOf({2, 1, 1, 0, 0, 0, 'C', 0xFF, 0xFF, 0xFF, 0xFF, 5, 0, 0, 0, 6, 0, 0, 0, 7, 0, 0, 0, 8, 0, 0, 0}));

  // Each nested record reports its own scalars with its own code.
  const struct {
    const char* name;
    const Bytes& bytes;
    std::size_t cut;
    int code;
  } cuts[] = {
      {"entry count", nodeBytes, entryCountAt + 2, 1113},
      {"child node count", nodeBytes, childCountAt + 2, 1091},
      {"column width", columnBytes, columnBytes.size() - 1, 1115},
  };
  for (const auto& c : cuts) {
    ScopedRecording recording;
    MemoryInStream in(std::span(c.bytes.data(), c.cut));
    BinaryReadVisitor v(in, 0);
    if (&c.bytes == &columnBytes) {
      TListViewColumn read;
      VisitFields(v, read);
    } else {
      TTreeNode read;
      VisitFields(v, read);
    }
    EXPECT_FALSE(v.ok()) << c.name;
    EXPECT_EQ(ReportedCode(), c.code) << c.name;
  }
}

// A chain of `levels` nodes, each the only child of the one before.
TreeViewRecord Chain(int levels) {
  TreeViewRecord r;
  TTreeNode node;
  node.text = "leaf";
  for (int i = 1; i < levels; ++i) {
    TTreeNode parent;
    parent.text = "level";
    parent.children.push_back(std::move(node));
    node = std::move(parent);
  }
  r.items.push_back(std::move(node));
  return r;
}

TEST(ListRecords, TreesDeeperThanTheLimitAreRefusedBothWays) {
  {
    ScopedRecording recording;
    const TreeViewRecord deepest = Chain(kMaxTreeDepth);
    const Bytes bytes = Written(deepest);
    MemoryInStream in(bytes);
    TreeViewRecord read;
    EXPECT_TRUE(ReadRecord(in, read, TreeViewRecord::kReadCode));
    EXPECT_EQ(read, deepest);
    EXPECT_TRUE(Recorder().boxes.empty());
  }
  {
    ScopedRecording recording;
    MemoryOutStream out;
    EXPECT_FALSE(WriteRecord(out, Chain(kMaxTreeDepth + 1), TreeViewRecord::kWriteCode));
    EXPECT_EQ(ReportedCode(), 1090);
  }
  {
    // A file one level deeper: the deepest node's child count (just before the bounds) becomes
    // one, followed by a leaf node.
    Bytes bytes = Written(Chain(kMaxTreeDepth));
    const std::size_t countAt = bytes.size() - 16 - 4;
    bytes[countAt] = 1;
    TTreeNode leaf;
    const Bytes leafBytes = Encode([&](OutStream& out) {
      BinaryWriteVisitor v(out, kCodeWriteTreeNode);
      VisitFields(v, leaf);
    });
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(countAt + 4), leafBytes.begin(), leafBytes.end());
    ScopedRecording recording;
    MemoryInStream in(bytes);
    TreeViewRecord read;
    EXPECT_FALSE(ReadRecord(in, read, TreeViewRecord::kReadCode));
    EXPECT_EQ(ReportedCode(), 1091);
  }
}

TEST(ListRecords, HostileCountsFailBeforeAllocating) {
  ListBoxRecord listBox;
  Bytes listBytes = Written(listBox);
  // The item count follows cursor, hint, font, border, colour and three int32 fields.
  const Bytes fontBytes = Encode([&](OutStream& out) { WriteFont(out, listBox.font); });
  const std::size_t countAt = 2 + 4 + fontBytes.size() + 1 + 4 + 12;
  ASSERT_EQ(Bytes(listBytes.begin() + countAt, listBytes.begin() + countAt + 4), Int32Bytes(0));
  for (std::int32_t hostile : {0x7FFFFFFF, -1}) {
    const Bytes patched = [&] {
      Bytes b = listBytes;
      const Bytes count = Int32Bytes(hostile);
      std::copy(count.begin(), count.end(), b.begin() + static_cast<std::ptrdiff_t>(countAt));
      return b;
    }();
    ScopedRecording recording;
    MemoryInStream in(patched);
    ListBoxRecord read;
    EXPECT_FALSE(ReadRecord(in, read, ListBoxRecord::kReadCode)) << hostile;
    EXPECT_EQ(ReportedCode(), ListBoxRecord::kReadCode) << hostile;
    EXPECT_TRUE(read.items.empty()) << hostile;
  }
}

TEST(ListRecords, ListViewIgnoresStoredColumnClickAndHeaderFlags) {
  ListViewRecord original = Sample(ListViewRecord{});
  Bytes bytes = Written(original);
  // From the end: bounds, ViewStyle, sort type, headers, row select, hide selection, grid lines,
  // column click.
  const std::size_t headersAt = bytes.size() - 16 - 3;
  const std::size_t columnClickAt = bytes.size() - 16 - 7;
  ASSERT_EQ(bytes[headersAt], 1);
  ASSERT_EQ(bytes[columnClickAt], 0);
  Bytes stored = bytes;
  stored[headersAt] = 0;
  stored[columnClickAt] = 1;
  MemoryInStream in(stored);
  ListViewRecord read;
  ASSERT_TRUE(ReadRecord(in, read, ListViewRecord::kReadCode));
  EXPECT_EQ(read, original);
  EXPECT_EQ(Written(read), bytes);
}

}  // namespace
}  // namespace plexara
