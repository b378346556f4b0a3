// The process-wide cursor table: names that differ only in case or a leading backslash share one
// cursor number, each new file takes the next number, and a file that cannot be loaded is tried
// again the next time it is named.
#include "player/cursor_table_win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/automation_win32.h"
#include "support/temp_tree.h"

namespace plexara {
namespace {

// A 32×32 monochrome cursor file with its hot spot at (1, 1).
testing_support::Bytes CursorFile() {
  std::vector<std::uint8_t> b;
  const auto u16 = [&](int v) { b.push_back(static_cast<std::uint8_t>(v)); b.push_back(static_cast<std::uint8_t>(v >> 8)); };
  const auto u32 = [&](std::uint32_t v) { u16(static_cast<int>(v & 0xFFFF)); u16(static_cast<int>(v >> 16)); };
  const std::uint32_t imageSize = 40 + 8 + 128 + 128;
  u16(0); u16(2); u16(1);                       // directory: cursor, one image
  b.push_back(32); b.push_back(32); b.push_back(0); b.push_back(0);
  u16(1); u16(1); u32(imageSize); u32(22);      // hot spot, size, offset
  u32(40); u32(32); u32(64); u16(1); u16(1);    // header: 32 × (2 × 32), 1 bit
  u32(0); u32(0); u32(0); u32(0); u32(2); u32(0);
  u32(0x00000000); u32(0x00FFFFFF);             // palette: black, white
  for (int i = 0; i < 128; ++i) b.push_back(i % 8 < 4 ? 0xF0 : 0x0F);  // colour mask
  for (int i = 0; i < 128; ++i) b.push_back(0x00);                     // and mask: all shown
  return b;
}

TEST(CursorTable, SharedNumbersPerFileAndRetriesForMissingFiles) {
  testing_support::TempFolder folder;
  const std::string root = folder.str();
  testing_support::WriteFileAt(root, {"hand.cur"}, CursorFile());
  testing_support::WriteFileAt(root, {"other.cur"}, CursorFile());

  const int hand = CursorNumber(root, "hand.cur");
  ASSERT_GT(hand, 0);
  EXPECT_NE(CursorOfNumber(hand), nullptr);
  EXPECT_EQ(CursorNumber(root, "\\HAND.CUR"), hand);
  EXPECT_EQ(CursorNumber(root, "\\hand.cur"), hand);
  EXPECT_EQ(CursorNumber(root, "other.cur"), hand + 1);
  EXPECT_EQ(CursorNumber(root, ""), 0);

  EXPECT_EQ(CursorNumber(root, "late.cur"), 0);
  testing_support::WriteFileAt(root, {"late.cur"}, CursorFile());
  EXPECT_EQ(CursorNumber(root, "late.cur"), hand + 2);
}

}  // namespace
}  // namespace plexara
