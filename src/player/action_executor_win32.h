// Running actions on a page window: the page window as the host of the portable executor
// (action_executor.h). Every page window runs its object clicks, its start action and its menu
// items through ExecuteAction unless a test replaces the runner.
#pragma once

#include <string>
#include <string_view>

#include "player/page_window_win32.h"
#include "storage/action_record.h"

namespace plexara {

// Runs the action of a record on the page window (see the portable ExecuteAction).
void ExecuteAction(TAutoRunForm& window, const TCommand& command);

// Runs one file through the shell on behalf of the page window: with wait behind the wait window
// until the program ends, otherwise owned by the window. A failure shows its error box and
// returns false. Used by file lists and by the form submission.
bool RunShell(TAutoRunForm& window, std::string_view operation, const std::string& file,
              int showCommand, bool wait, const std::string& folder, const std::string& parameters);

// Shows the Sub Page named pageName modally over the window: the window falls silent and fades
// out meanwhile, then fades back in and restarts its start sound; after "Exit" in the Sub Page it
// closes as well. A name not in the project, or a page that does not load, does nothing further.
void ShowSubPage(TAutoRunForm& window, const std::string& pageName);

}  // namespace plexara
