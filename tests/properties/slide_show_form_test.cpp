// The slide-show dialog's lists and fields: the style list built from the transition table, the
// defaults a new action writes, the spin boxes' ranges and the colour box's entries.
#include "properties/slide_show_form.h"

#include <gtest/gtest.h>

#include "properties/value_formats.h"
#include "storage/action_targets.h"

namespace plexara {
namespace {

using namespace std::string_literals;

TEST(SlideShowForm, TheStyleListIsRandomThenEveryTransitionByNumber) {
  const std::vector<std::string> choices = SlideShowStyleChoices();
  ASSERT_EQ(choices.size(), 151u);
  EXPECT_EQ(choices[0], "0 - Random");
  EXPECT_EQ(choices[1], "1 - Expand from right");
  EXPECT_EQ(choices[118], "118 - Fade");
  EXPECT_EQ(choices[150], "150 - Rotational star");
}

TEST(SlideShowForm, DefaultsWithAnEmptyFolderWriteTheKnownBytes) {
  // The dialog fills its controls from the decoded target; an empty target gives the defaults.
  EXPECT_EQ(SlideShowSettings::Decode("").Encode(),
            "\x01Y\x01"
            "0\x01"
            "3\x01"
            "4\x01"
            "50\x01"
            "2\x01"
            "0\x01\x01"s);
}

TEST(SlideShowForm, SpinTextsAreKeptToTheirRanges) {
  struct Case {
    const char* text;
    SpinRange range;
    int previous, expected;
  };
  const Case cases[] = {
      {"7", kSlideStepRange, 4, 7},        {" 99 ", kSlideStepRange, 4, 99},
      {"0", kSlideStepRange, 4, 1},        {"", kSlideStepRange, 4, 4},
      {"1a", kSlideStepRange, 4, 4},       {"-3", kSlideStepRange, 4, 4},
      {"", kSlideStepRange, 500, 99},      {"99999999999", kSlideStepDelayRange, 50, 9999},
      {"0", kSlideStepDelayRange, 50, 1},  {"0", kSlideIntervalRange, 2, 0},
      {"100", kSlideIntervalRange, 2, 99},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SpinValueFromText(c.text, c.range, c.previous), c.expected) << '"' << c.text << '"';
}

TEST(SlideShowForm, TheColourBoxShowsNamedColoursByNameAndAnyOtherAsCustom) {
  EXPECT_EQ(ColorBoxIndex(kColorBlack), 0u);
  EXPECT_EQ(PrettyColorName(NamedColors()[ColorBoxIndex(RgbColor(192, 220, 192))].identifier),
            "Money Green");
  EXPECT_EQ(NamedColors()[ColorBoxIndex(static_cast<ColorRef>(0x8000000F))].identifier, "BtnFace");
  EXPECT_EQ(ColorBoxIndex(RgbColor(1, 2, 3)), ColorBoxCustomIndex());
  EXPECT_EQ(ColorBoxCustomIndex(), NamedColors().size());
}

}  // namespace
}  // namespace plexara
