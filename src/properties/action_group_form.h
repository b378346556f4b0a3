// The Action Group dialog as data: the texts of a grouped action's row and the action that "&Add"
// starts from.
#pragma once

#include <string>

#include "storage/action_targets.h"

namespace plexara {

struct ActionGroupRow {
  std::string action;    // the kind's name
  std::string settings;  // "[Settings]"/"[None]" for kinds set up in a dialog, else the target
};

ActionGroupRow ActionGroupRowOf(const GroupedAction& action);

// No action, shown normally, not closing the page: the close flag is never offered inside a group,
// so a new record starts with it clear.
GroupedAction NewGroupedAction();

}  // namespace plexara
