#include "storage/shortcut_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/menu_item_data.h"

namespace plexara {
namespace {

TEST(ShortcutText, TheMenuEditorListNamesEveryChoiceAndReadsItBack) {
  std::vector<std::string> expected;
  for (const char* prefix : {"Ctrl+", "Ctrl+Alt+"}) {
    for (char letter = 'A'; letter <= 'Z'; ++letter)
      expected.push_back(prefix + std::string(1, letter));
  }
  for (const char* prefix : {"", "Ctrl+", "Shift+", "Shift+Ctrl+"}) {
    for (int number = 1; number <= 12; ++number)
      expected.push_back(prefix + ("F" + std::to_string(number)));
  }
  for (const char* name : {"Ins", "Shift+Ins", "Ctrl+Ins", "Del", "Shift+Del", "Ctrl+Del",
                           "Alt+BkSp", "Shift+Alt+BkSp"})
    expected.emplace_back(name);

  std::vector<std::string> shown;
  for (const std::uint16_t shortcut : MenuShortcutChoices()) {
    shown.push_back(ShortcutText(shortcut));
    EXPECT_EQ(ParseShortcut(shown.back()), shortcut) << shown.back();
  }
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(MenuShortcutChoices()[0], kShortcutCtrl | 'A');
  EXPECT_EQ(MenuShortcutChoices()[52], 0x70);  // F1
  EXPECT_EQ(MenuShortcutChoices()[107], kShortcutShift | kShortcutAlt | 0x08);
}

TEST(ShortcutText, NamesShowModifiersInOneOrder) {
  struct Case {
    std::uint16_t shortcut;
    const char* text;
  };
  for (const Case& c :
       {Case{0, ""}, Case{kShortcutCtrl | 'Q', "Ctrl+Q"},
        Case{kShortcutShift | kShortcutCtrl | kShortcutAlt | 0x74, "Shift+Ctrl+Alt+F5"},
        Case{0x87, "F24"}, Case{kShortcutAlt | '7', "Alt+7"}, Case{0x0D, "Enter"},
        Case{kShortcutCtrl | 0x22, "Ctrl+PgDn"}, Case{0x25, "Left"}, Case{0xBC, ","},
        Case{kShortcutCtrl, ""}, Case{0xFF, ""}}) {
    EXPECT_EQ(ShortcutText(c.shortcut), c.text) << c.shortcut;
  }
}

TEST(ShortcutText, TypedNamesTakeAnyOrderCaseAndBlanks) {
  struct Case {
    const char* text;
    std::uint16_t shortcut;
  };
  for (const Case& c : {
           Case{"ctrl+o", kShortcutCtrl | 'O'},
           Case{"Alt+Shift+Ctrl+F10", kShortcutShift | kShortcutCtrl | kShortcutAlt | 0x79},
           Case{" Ctrl + Alt + del ", kShortcutCtrl | kShortcutAlt | 0x2E},
           Case{"shift+insert", kShortcutShift | 0x2D},
           Case{"f24", 0x87},
           Case{"Esc", 0x1B},
           Case{"Return", 0x0D},
           Case{"Ctrl+Space", kShortcutCtrl | 0x20},
           Case{"Ctrl+-", kShortcutCtrl | 0xBD},
           Case{"9", '9'},
           // Not shortcuts.
           Case{"", 0},
           Case{"Ctrl+", 0},
           Case{"Ctrl", 0},
           Case{"+A", 0},
           Case{"Ctrl+Ctrl+A", 0},
           Case{"Cmd+A", 0},
           Case{"F0", 0},
           Case{"F25", 0},
           Case{"F01", 0},
           Case{"AB", 0},
           Case{"Ctrl+A+B", 0},
       }) {
    EXPECT_EQ(ParseShortcut(c.text), c.shortcut) << c.text;
  }
}

}  // namespace
}  // namespace plexara
