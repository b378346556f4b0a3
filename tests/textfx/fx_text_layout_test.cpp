// Lines into rows: tags (font labels, user labels) with their case and first-occurrence rules,
// the exact row pitch, the column limit and the word-wrap breaking rules.
#include "textfx/fx_text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plexara {
namespace {

using Rows = std::vector<std::string>;

TEST(FxTags, FontLabelsMatchWithoutCaseAndOnlyTheFirstTagGoes) {
  TFontLabels fonts;
  TFontLabel& title = fonts.Add("Title1");
  title.font.size = 30;
  title.effect.alpha = 40;
  TFontLabel& small = fonts.Add("Small");
  small.font.size = 8;
  TFxTagState state;
  state.font.size = 10;

  std::string line = "<title1>Head <TITLE1>";
  ApplyTags(line, fonts, TUserLabels(), state);
  EXPECT_EQ(line, "Head <TITLE1>");
  EXPECT_EQ(state.font.size, 30);
  EXPECT_EQ(state.effect.alpha, 40);

  // Both tags present: the later label of the collection decides, whatever the order in the line.
  line = "<Small>a<Title1>b";
  ApplyTags(line, fonts, TUserLabels(), state);
  EXPECT_EQ(line, "ab");
  EXPECT_EQ(state.font.size, 8);

  // A line without tags leaves the state alone.
  line = "<Title>plain";
  ApplyTags(line, fonts, TUserLabels(), state);
  EXPECT_EQ(line, "<Title>plain");
  EXPECT_EQ(state.font.size, 8);
}

TEST(FxTags, UserLabelsReplaceTextOrSetTheAlignment) {
  TUserLabelValues values;
  values.owner = "Ann";
  values.date = [] { return std::string("1.2.2003"); };
  TUserLabels labels(values);
  labels.Add("who").style = TLabelStyle::lsRegOwner;
  labels.Add("when").style = TLabelStyle::lsDate;
  labels.Add("mid").style = TLabelStyle::lsCenter;
  TUserLabel& custom = labels.Add("c");
  custom.text = "own";
  custom.onGetText = [](const TUserLabel&, std::string& text) { text += "!"; };
  EXPECT_EQ(&labels.Add("WHO"), &labels[0]);  // an existing name adds nothing
  EXPECT_FALSE(labels.Rename(1, "Mid").ok());

  TFxTagState state;
  std::string line = "<MID>by <who> on <When>, <c> <c>";
  ApplyTags(line, TFontLabels(), labels, state);
  EXPECT_EQ(line, "by Ann on 1.2.2003, own! <c>");
  EXPECT_EQ(state.alignment, 2);
}

TEST(FxLines, SplitAndJoin) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n"), (Rows{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Rows{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb");
}

TEST(FxLines, RowAdvanceRoundsHalvesToEven) {
  struct Case {
    int height, pitch, advance;
  } cases[] = {{21, 20, 25},  {5, 10, 6},  {15, 10, 16},  {7, 50, 10}, {9, 50, 14},
               {10, -100, 0}, {16, 0, 16}, {16, 150, 40}, {3, -50, 2}};
  for (const Case& c : cases) {
    EXPECT_EQ(FxRowAdvance(c.height, c.pitch), c.advance) << c.height << " at " << c.pitch;
  }
}

TEST(FxWrap, ColumnLimitFitsThePrefixAndIsAtLeastTwo) {
  // 10 pixels a character, but "W" is 30.
  const TFxMeasureWidth width = [](std::string_view s) {
    int w = 0;
    for (char c : s) w += c == 'W' ? 30 : 10;
    return w;
  };
  EXPECT_EQ(FxColumnLimit("abcdefghij", 45, width), 4);
  EXPECT_EQ(FxColumnLimit("WWabcdefgh", 45, width), 2);  // d = 3, but "WWa" is 70 wide
  EXPECT_EQ(FxColumnLimit("abcdefghij", 5, width), 2);
  EXPECT_EQ(FxColumnLimit("abcdefghij", -20, width), 2);
}

bool LeadByte(unsigned char c) { return c >= 0x81 && c <= 0x9F; }

TEST(FxWrap, BreaksAtBreakCharactersOutsideQuotes) {
  struct Case {
    std::string line;
    int columns;
    Rows rows;
  } cases[] = {
      {"aaa bbb ccc", 5, {"aaa ", "bbb ", "ccc"}},
      {"aaa   bbb", 4, {"aaa ", "bbb"}},  // the spaces after a break are skipped
      {"one,two.three", 5, {"one,", "two.", "three"}},
      {"abcdefgh", 3, {"abcdefgh"}},                          // nowhere to break
      {"ab\r\ncd", 20, {"ab", "cd"}},                         // an existing line break
      {"say 'a b c d' ok", 4, {"say ", "'a b c d' ", "ok"}},  // no break inside quotes
      {"short", 9, {"short"}},
      {"a b ", 2, {"a ", "b "}},  // no empty row after a final break
  };
  for (const Case& c : cases) EXPECT_EQ(FxWrapAtColumn(c.line, c.columns), c.rows) << c.line;

  // A two-byte character does not straddle the limit: the row ends before it.
  EXPECT_EQ(FxWrapAtColumn("abc\x82Xde", 4, LeadByte), (Rows{"abc", "\x82Xde"}));
  EXPECT_EQ(FxWrapAtColumn("a\x82Xde", 8, LeadByte), (Rows{"a\x82Xde"}));
}

TEST(FxWrap, WrapLinesUsesTheMeasuredLimit) {
  const TFxMeasureWidth width = [](std::string_view s) { return static_cast<int>(s.size()) * 8; };
  EXPECT_EQ(WrapLines("the quick brown fox", 80, width), (Rows{"the quick ", "brown fox"}));
}

}  // namespace
}  // namespace plexara
