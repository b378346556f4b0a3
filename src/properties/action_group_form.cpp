#include "properties/action_group_form.h"

#include "properties/action_block.h"
#include "properties/property_rows.h"

namespace plexara {

ActionGroupRow ActionGroupRowOf(const GroupedAction& action) {
  ActionGroupRow row{.action = std::string(ActionKindName(action.actionKind)), .settings = {}};
  // Groups do not nest: a group record that a hand-made string slips in shows its raw text like any
  // kind set up without a dialog.
  const bool settingsDialog = ParameterRowOf(action.actionKind) == ParameterRow::Settings &&
                              action.actionKind != kActionGroup;
  row.settings = settingsDialog ? SettingsMark(action.target) : action.target;
  return row;
}

GroupedAction NewGroupedAction() {
  GroupedAction action;
  action.actionKind = kActionNone;
  action.showCommand = 1;
  action.closeAfterAction = false;
  return action;
}

}  // namespace plexara
