// The action block: the action kind of the record in force (an object's click action or the
// page's start action), the parameter row whose key and editing follow the kind, and the
// close-after-action switch.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "properties/property_rows.h"

namespace plexara {

// How the parameter row of an action kind edits the action's target.
enum class ParameterRow : std::uint8_t {
  None,          // the kind takes no target: locked, empty, drawn "Disabled"
  Settings,      // a settings string written by the kind's dialog
  Text,          // typed text
  File,          // a file picked inside the disc folder, or typed
  PictureFile,   // the same with the picture formats
  Folder,        // a folder inside the disc folder, or typed
  SubPages,      // a Sub Page name
  GotoPages,     // the Main Page or a Sub Page name
  MediaObjects,  // the name of a media player or slide show of the page
};

ParameterRow ParameterRowOf(int actionKind);

// The names the target of an action kind offers in its drop-down: the Sub Pages (Show Sub Page),
// the Main Page and the Sub Pages (Goto Page), both without the page being edited, or the page's
// media players and slide shows (the media kinds); nothing for the other kinds. Either source may
// be null and then offers nothing.
std::vector<std::string> ParameterChoices(int actionKind, const PageData* page,
                                          const std::vector<TAutoFormInfo>* projectPages);

std::span<const RowDef> ObjectActionRows();  // "ClickAction", parameter, "CloseAfterAction"
std::span<const RowDef> PageActionRows();    // "Start Action", parameter, "CloseAfterAction"

// Stores a chosen action kind (by its name) in the record in force and clears its target,
// parameters, folder and close-after-action flag; false when the name is no kind's or the kind
// is the one stored.
bool ChooseActionKind(const RowTarget& target, std::string_view name);

}  // namespace plexara
