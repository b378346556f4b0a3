// Fade step sequences, cursor table keys and root-relative paths of the page window.
#include "player/page_fades.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

using Steps = std::vector<std::uint8_t>;

TEST(PageFades, OpacitySequences) {
  EXPECT_EQ(FadeInOpacities(20, 255), Steps{0}) << "one step, then the caller sets 255";
  EXPECT_EQ(FadeInOpacities(20, 100), (Steps{0, 100, 200}));
  EXPECT_EQ(FadeInOpacities(20, 300), Steps{0});
  EXPECT_TRUE(FadeInOpacities(0, 20).empty());
  EXPECT_TRUE(FadeInOpacities(20, 0).empty());
  EXPECT_EQ(FadeInOpacities(1, 20).size(), 13u);
  EXPECT_EQ(FadeOutOpacities(20, 100), (Steps{255, 155, 55}));
  EXPECT_EQ(FadeOutOpacities(20, 255), Steps{255});
  EXPECT_TRUE(FadeOutOpacities(-1, 20).empty());
}

TEST(PageFades, CursorKeysAndRootRelativePaths) {
  EXPECT_EQ(CursorTableKey("cursors\\Hand.cur"), "\\CURSORS\\HAND.CUR");
  EXPECT_EQ(CursorTableKey("\\Hand.ani"), "\\HAND.ANI");
  EXPECT_EQ(CursorTableKey(""), "");
  EXPECT_EQ(RootRelativePath("D:\\disc", "sounds\\a.wav"), "D:\\disc\\sounds\\a.wav");
  EXPECT_EQ(RootRelativePath("D:\\disc", "\\a.wav"), "D:\\disc\\a.wav");
}

}  // namespace
}  // namespace plexara
