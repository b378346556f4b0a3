// The one table of transition style names: its size, names kept exactly as stored (misspellings
// included), and lookups by number and by name.
#include "slideshow/transition_names.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TEST(TransitionNames, HoldsTheHundredAndFiftyNamesExactlyAsStored) {
  ASSERT_EQ(TransitionNames().size(), 150u);
  const std::pair<int, std::string_view> samples[] = {
      {1, "Expand from right"},        {33, "Expand from bottom"},  // the same name as 18
      {76, "Unven shred from bottom"}, {118, "Fade"},
      {134, "Push and sqeeze down"},   {145, "Rectangles apear from left and disapear to right"},
      {150, "Rotational star"},
  };
  for (const auto& [style, name] : samples) {
    EXPECT_EQ(TransitionName(style), name) << style;
    EXPECT_EQ(TransitionNames()[static_cast<std::size_t>(style - 1)], name) << style;
  }
  for (const int outside : {-1, 0, 151}) EXPECT_EQ(TransitionName(outside), "") << outside;
  for (const std::string_view name : TransitionNames()) EXPECT_FALSE(name.empty());
}

TEST(TransitionNames, NamesAreFoundIgnoringLetterCaseAndUnknownNamesGiveZero) {
  EXPECT_EQ(TransitionStyleByName("fade"), 118);
  EXPECT_EQ(TransitionStyleByName("ROTATIONAL STAR"), 150);
  EXPECT_EQ(TransitionStyleByName("Expand from right"), 1);
  EXPECT_EQ(TransitionStyleByName("Expand from bottom"), 18);    // the first of two
  EXPECT_EQ(TransitionStyleByName("Push and squeeze down"), 0);  // only the stored spelling
  EXPECT_EQ(TransitionStyleByName("Fade "), 0);
  EXPECT_EQ(TransitionStyleByName(""), 0);
  EXPECT_EQ(TransitionStyleByName("Custom"), 0);
  // Every name leads back to its own style unless an earlier one has the same name.
  for (int style = 1; style <= kTransitionStyleCount; ++style) {
    const int found = TransitionStyleByName(TransitionName(style));
    EXPECT_LE(found, style);
    EXPECT_EQ(TransitionName(found), TransitionName(style));
  }
}

}  // namespace
}  // namespace plexara
