// The Select Groups dialog: the author ticks some of the page's group names, for the commands that
// set the visibility of every object in the chosen groups.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace plexara {

// Shows "Select Groups" with the caller's label above a list of check boxes, one per group name.
// After "&OK" puts the ticked names, in list order, into `checked` and returns true; on cancel
// returns false and leaves `checked` alone.
bool SelectGroups(HWND owner, const std::string& label, const std::vector<std::string>& groups,
                  std::vector<std::string>& checked);

}  // namespace plexara
