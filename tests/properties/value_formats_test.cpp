#include "properties/value_formats.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TEST(ValueFormats, ColorNamesComeFromTheFirstExactMatch) {
  const struct {
    ColorRef color;
    const char* name;
  } cases[] = {
      {RgbColor(0, 0, 0), "Black"},
      {RgbColor(255, 0, 0), "Red"},
      {RgbColor(0, 0, 255), "Blue"},
      {RgbColor(192, 192, 192), "Silver"},
      {RgbColor(192, 220, 192), "Money Green"},
      {RgbColor(160, 160, 164), "Med Gray"},
      {static_cast<ColorRef>(0x8000000FU), "Btn Face"},
      {static_cast<ColorRef>(0x80000013U), "Inactive Caption Text"},
      {static_cast<ColorRef>(0x80000015U), "3 D Dk Shadow"},
      {static_cast<ColorRef>(0x8000001EU), "Menu Bar"},
      {RgbColor(1, 2, 3), "Custom"},
      {static_cast<ColorRef>(0x80000019U), "Custom"},  // the platform has no colour 25
  };
  for (const auto& c : cases) EXPECT_EQ(ColorName(c.color), c.name) << std::hex << c.color;
  EXPECT_EQ(NamedColors().size(), 50u);
}

TEST(ValueFormats, PercentagesRoundToTheNearestWithTiesToEven) {
  // p * 2.55 ends in .5 exactly for p = 10, 30, 50, 70, 90.
  const std::pair<int, int> toByte[] = {{0, 0}, {1, 3}, {10, 26}, {30, 76}, {50, 128}, {70, 178}, {90, 230}, {100, 255}};
  for (const auto& [percent, byte] : toByte) EXPECT_EQ(ByteFromPercent(percent), byte) << percent;
  const std::pair<int, int> toPercent[] = {{0, 0}, {3, 1}, {80, 31}, {128, 50}, {204, 80}, {254, 100}, {255, 100}};
  for (const auto& [byte, percent] : toPercent) EXPECT_EQ(PercentFromByte(byte), percent) << byte;
}

TEST(ValueFormats, IntegerTextParsesLikeANumberRow) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"12", 12},          {"  12", 12},        {"-5", -5},       {"+7", 7},
      {"$1F", 31},         {"$ff", 255},        {"-$10", -16},    {"$FFFFFFFF", -1},
      {"-2147483648", INT32_MIN},               {"2147483647", INT32_MAX},
      {"12a", std::nullopt}, {"", std::nullopt}, {"  ", std::nullopt}, {"12 ", std::nullopt},
      {"$", std::nullopt}, {"-", std::nullopt}, {"1F", std::nullopt},  {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIntText(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(InvalidValueMessage("12a"), "\"12a\" is not a valid value.");
}

TEST(ValueFormats, ClampingTakesTheMaximumFirstThenTheMinimum) {
  EXPECT_EQ(ClampToBounds(150, {.minimum = 0, .maximum = 100}), 100);
  EXPECT_EQ(ClampToBounds(-5, {.minimum = 0, .maximum = 100}), 0);
  EXPECT_EQ(ClampToBounds(-5, {}), -5);
  // Bounds that cross: the minimum wins because it is applied last.
  EXPECT_EQ(ClampToBounds(10, {.minimum = 5, .maximum = 3}), 5);
}

}  // namespace
}  // namespace plexara
