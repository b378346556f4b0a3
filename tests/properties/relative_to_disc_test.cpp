#include "properties/relative_to_disc.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TEST(RelativeToDisc, KeepsOnlyPathsBelowTheDiscFolder) {
  struct Case {
    const char* path;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\Work\\CD", "\\"},                             // the disc folder itself
      {"c:\\work\\cd", "\\"},                             // letter case does not count
      {"C:\\Work\\CD\\", "\\"},                           // its root spelled with the separator
      {"C:\\Work\\CD\\pics\\a.jpg", "\\pics\\a.jpg"},     // below, keeping the path's own case
      {"C:\\WORK\\cd\\Pics", "\\Pics"},                   // below, other case
      {"C:\\Work\\CDROM\\a.jpg", ""},                     // sibling starting with the same name
      {"C:\\Work\\CDROM", ""},
      {"C:\\Work", ""},                                   // above
      {"D:\\Work\\CD\\a.jpg", ""},                        // other drive
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(RelativeToDisc("C:\\Work\\CD", c.path), c.expected) << c.path;
}

}  // namespace
}  // namespace plexara
