#include "editor/splash_fade.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TEST(SplashFade, InBy30UntilOpaqueOutBy20UntilGone) {
  EXPECT_EQ(SplashFadeInSequence(), (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240, 255}));
  const std::vector<int> out = SplashFadeOutSequence();
  ASSERT_EQ(out.size(), 13u);
  EXPECT_EQ(out.front(), 235);
  EXPECT_EQ(out[11], 15);
  EXPECT_EQ(out.back(), 0);
}

TEST(SplashFade, StepsStayWithinTheOpacityRange) {
  EXPECT_EQ(SplashFadeInNext(250), 255);
  EXPECT_EQ(SplashFadeInNext(-5), 30);
  EXPECT_EQ(SplashFadeOutNext(10), 0);
  EXPECT_EQ(SplashFadeOutNext(300), 235);
}

}  // namespace
}  // namespace plexara
