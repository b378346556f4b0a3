// The text editor's line rule: every break shown as CRLF, every line handed back ended by CRLF.
#include "properties/text_lines.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TEST(TextLines, EveryLineComesBackEndedByCrlf) {
  struct Case {
    std::string_view text, shown, joined;
  };
  const Case cases[] = {
      {"", "", ""},
      {"one", "one", "one\r\n"},
      {"a\r\nb", "a\r\nb", "a\r\nb\r\n"},
      {"a\r\n", "a\r\n", "a\r\n"},  // a trailing break ends the line, it adds no empty one
      {"a\nb\n", "a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\rb", "a\r\nb", "a\r\nb\r\n"},
      {"\n", "\r\n", "\r\n"},  // one empty line
      {"a\n\n", "a\r\n\r\n", "a\r\n\r\n"},
      {"a\r\r\nb", "a\r\n\r\nb", "a\r\n\r\nb\r\n"},
      {"x\n\r", "x\r\n\r\n", "x\r\n\r\n"},  // LF then a lone CR: two breaks, not one CRLF
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithCrlfBreaks(c.text), c.shown) << c.text;
    EXPECT_EQ(LinesWithCrlf(c.text), c.joined) << c.text;
  }
}

}  // namespace
}  // namespace plexara
