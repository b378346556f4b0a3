#include "player/address_command.h"

#include <array>

namespace plexara {
namespace {

struct CommandWord {
  std::string_view word;
  std::uint8_t actionKind;
  bool fileArgument;  // a file under the project root: gets its leading backslash
};

// In priority order.
constexpr std::array<CommandWord, 7> kCommandWords = {{
    {"CMD_OPEN=", kActionOpenRunFile, true},
    {"CMD_EMAIL=", kActionSendEmail, false},
    {"CMD_SOUND=", kActionPlaySound, true},
    {"CMD_PRINT=", kActionPrintDocument, true},
    {"CMD_BROWSE", kActionBrowseFolder, false},
    {"CMD_EXIT", kActionCloseWindow, false},
    {"CMD_GOTOPAGE=", kActionShowSubPage, false},
}};

}  // namespace

std::optional<TCommand> AddressCommand(std::string_view address) {
  for (const CommandWord& command : kCommandWords) {
    const std::size_t at = address.find(command.word);
    if (at == std::string_view::npos) continue;
    std::string argument(address.substr(at + command.word.size(), kAddressArgumentLimit));
    if (command.fileArgument && !argument.empty() && argument.front() != '\\')
      argument.insert(0, 1, '\\');
    TCommand result;
    result.actionKind = command.actionKind;
    result.actionTarget = std::move(argument);
    result.showCommand = 1;
    result.closeAfterAction = false;
    return result;
  }
  return std::nullopt;
}

}  // namespace plexara
