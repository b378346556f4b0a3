// Command words in web-page addresses: which word decides when several occur, the action each
// runs, and how its argument is cut and made relative to the project root.
#include "player/address_command.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TEST(AddressCommand, WordsDecideByPriorityWhereverTheyStand) {
  const struct {
    std::string address;
    std::uint8_t kind;
    std::string target;
  } cases[] = {
      {"file:///E:/menu.htm?CMD_OPEN=setup.exe", kActionOpenRunFile, "\\setup.exe"},
      {"CMD_OPEN=\\docs\\a.pdf", kActionOpenRunFile, "\\docs\\a.pdf"},
      {"x/CMD_EMAIL=info@example.com", kActionSendEmail, "info@example.com"},
      {"CMD_SOUND=music/a.wav", kActionPlaySound, "\\music/a.wav"},
      {"CMD_PRINT=manual.doc", kActionPrintDocument, "\\manual.doc"},
      {"about:CMD_BROWSE\\Extras", kActionBrowseFolder, "\\Extras"},
      {"about:CMD_EXIT", kActionCloseWindow, ""},
      {"about:CMD_GOTOPAGE=Products", kActionShowSubPage, "Products"},
      // CMD_OPEN= outranks CMD_SOUND= even when it stands later in the address.
      {"CMD_SOUND=a.wav&CMD_OPEN=b.exe", kActionOpenRunFile, "\\b.exe"},
      // The rest of the address after the word is the argument, other words included.
      {"CMD_EXIT&CMD_GOTOPAGE=Main", kActionCloseWindow, "&CMD_GOTOPAGE=Main"},
      // An empty file argument stays empty.
      {"CMD_OPEN=", kActionOpenRunFile, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    const std::optional<TCommand> command = AddressCommand(c.address);
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(command->actionKind, c.kind);
    EXPECT_EQ(command->actionTarget, c.target);
    EXPECT_EQ(command->showCommand, 1);
    EXPECT_FALSE(command->closeAfterAction);
    EXPECT_TRUE(command->actionFolder.empty());
    EXPECT_TRUE(command->actionParameters.empty());
  }
}

TEST(AddressCommand, OrdinaryAddressesAndOtherLetterCasesNavigate) {
  for (const char* address : {"http://www.example.com/", "", "cmd_open=setup.exe",
                              "CMD-OPEN=setup.exe", "CMD_GOTOPAGE"}) {
    EXPECT_FALSE(AddressCommand(address).has_value()) << address;
  }
}

TEST(AddressCommand, ArgumentIsCutAfterAThousandCharacters) {
  const std::string name(1500, 'x');
  const std::optional<TCommand> page = AddressCommand("CMD_GOTOPAGE=" + name);
  ASSERT_TRUE(page.has_value());
  EXPECT_EQ(page->actionTarget, std::string(1000, 'x'));
  // The backslash put in front of a file comes on top of the thousand characters.
  const std::optional<TCommand> file = AddressCommand("CMD_OPEN=" + name);
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->actionTarget, "\\" + std::string(1000, 'x'));
}

}  // namespace
}  // namespace plexara
