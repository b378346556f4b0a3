// The private clipboard block: what Copy writes, what Paste reads back from bytes any program may
// have put there, and where pasted objects land.
#include "editor/clipboard_block.h"

#include <gtest/gtest.h>

#include "objects/new_object.h"
#include "objects/object_bounds.h"
#include "support/recording_reporter.h"

namespace plexara {
namespace {

using testing_support::ScopedRecording;

PageData ThreeObjects() {
  PageData page;
  for (const int kind : {2, 3, 19}) {
    page.objects.push_back(NewPageObject(page, kind, 10 * kind, 20));
  }
  page.objects[0].selected = true;
  page.objects[2].selected = true;
  page.objects[2].command.groupName = "Menu";
  return page;
}

std::vector<std::uint8_t> Envelope(const ObjectData& object) {
  MemoryOutStream out;
  EXPECT_TRUE(WriteObjectEnvelope(out, object));
  return out.TakeBytes();
}

TEST(ClipboardBlock, HoldsTheSelectedObjectsAsPageFileRecordsInListOrder) {
  const PageData page = ThreeObjects();
  const std::vector<std::uint8_t> block = WriteClipboardBlock(page);
  const std::vector<std::uint8_t> first = Envelope(page.objects[0]);
  const std::vector<std::uint8_t> second = Envelope(page.objects[2]);
  ASSERT_EQ(block.size(), 8 + first.size() + second.size());
  const std::int32_t length = block[0] | (block[1] << 8) | (block[2] << 16) | (block[3] << 24);
  EXPECT_EQ(static_cast<std::size_t>(length), block.size() - 4);
  EXPECT_EQ(block[4], 2);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), block.begin() + 8));

  const std::vector<ObjectData> read = ReadClipboardBlock(block);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(Envelope(read[0]), first);
  EXPECT_EQ(Envelope(read[1]), second);
}

TEST(ClipboardBlock, ADamagedRecordKeepsTheObjectsBeforeIt) {
  ScopedRecording recording;
  const PageData page = ThreeObjects();
  std::vector<std::uint8_t> block = WriteClipboardBlock(page);
  const std::size_t firstEnd = 8 + Envelope(page.objects[0]).size();
  for (const std::size_t cut : {firstEnd + 1, firstEnd + 7, block.size() - 1}) {
    std::vector<std::uint8_t> truncated(block.begin(),
                                        block.begin() + static_cast<std::ptrdiff_t>(cut));
    const auto length = static_cast<std::int32_t>(cut - 4);
    for (int i = 0; i < 4; ++i)
      truncated[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
    const std::vector<ObjectData> read = ReadClipboardBlock(truncated);
    ASSERT_EQ(read.size(), 1u) << "cut at " << cut;
    EXPECT_EQ(read[0].command.name, "Image1");
  }
}

TEST(ClipboardBlock, AHeaderThatClaimsMoreThanTheBytesReadsNothing) {
  const std::vector<std::uint8_t> block = WriteClipboardBlock(ThreeObjects());
  const auto withHeader = [&](std::int32_t length, std::int32_t count) {
    std::vector<std::uint8_t> bytes = block;
    for (int i = 0; i < 4; ++i) {
      bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
      bytes[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(count >> (8 * i));
    }
    return ReadClipboardBlock(bytes).size();
  };
  const auto rest = static_cast<std::int32_t>(block.size() - 4);
  EXPECT_EQ(withHeader(rest + 1, 2), 0u);
  EXPECT_EQ(withHeader(-1, 2), 0u);
  EXPECT_EQ(withHeader(rest, 0x7FFFFFFF), 0u);
  EXPECT_EQ(withHeader(rest, -3), 0u);
  EXPECT_EQ(withHeader(3, 0), 0u);
  EXPECT_EQ(ReadClipboardBlock(std::vector<std::uint8_t>{4, 0, 0}).size(), 0u);
}

TEST(Paste, LandsOneGridStepAwayThenEightMoreEachTimeUnderTheWindowedObjects) {
  PageData page = ThreeObjects();
  page.objects.push_back(NewPageObject(page, 8, 0, 0));  // a TextBox, not selected
  std::int32_t pasteOffset = 0;
  const std::vector<std::uint8_t> block = CopySelection(page, 8, pasteOffset);
  EXPECT_EQ(pasteOffset, 8);

  EXPECT_EQ(PasteObjects(page, ReadClipboardBlock(block), pasteOffset), 2u);
  EXPECT_EQ(PasteObjects(page, ReadClipboardBlock(block), pasteOffset), 2u);
  ASSERT_EQ(page.objects.size(), 8u);
  EXPECT_EQ(BoundsOf(page.objects[3].record).left, 20 + 8);
  EXPECT_EQ(BoundsOf(page.objects[3].record).top, 20 + 8);
  EXPECT_EQ(BoundsOf(page.objects[6].record).left, 190 + 16);
  EXPECT_EQ(BoundsOf(page.objects[6].record).top, 20 + 16);
  EXPECT_EQ(page.objects[6].command.name, "Shape1") << "pasted objects keep their names";
  EXPECT_EQ(page.objects[7].command.name, "TextBox1") << "still above every drawn object";
  for (std::size_t i = 0; i < page.objects.size(); ++i)
    EXPECT_EQ(page.objects[i].selected, i == 5 || i == 6) << i;
  EXPECT_EQ(pasteOffset, 24);
}

}  // namespace
}  // namespace plexara
