// The command words a web page shown by an Explorer object can carry in a link's address
// ("CMD_OPEN=setup.exe", "CMD_GOTOPAGE=Products" ...). A link whose address holds one runs the
// matching action on the page instead of navigating. Words are matched with their letter case,
// anywhere in the address; when several occur, the one earliest in the priority order decides,
// wherever in the address it stands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "storage/action_record.h"

namespace plexara {

// The argument after a command word is cut to this many characters.
inline constexpr std::size_t kAddressArgumentLimit = 1000;

// The action record an address asks for (kind and target; close flag off, show command 1, no
// folder and no parameters), or nothing when the address holds no command word.
std::optional<TCommand> AddressCommand(std::string_view address);

}  // namespace plexara
