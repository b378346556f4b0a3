#include "properties/action_dialogs_win32.h"

#include <utility>

#include "properties/action_block.h"

namespace plexara {

bool StoreChangedSettings(std::string& settings, std::string written) {
  if (written == settings) return false;
  settings = std::move(written);
  return true;
}

bool HasSettingsDialog(int actionKind) { return ParameterRowOf(actionKind) == ParameterRow::Settings; }

bool EditActionSettings(HWND owner, const ActionDialogContext& context, int actionKind, std::string& settings) {
  switch (actionKind) {
    case kActionOpenRunFile: return EditRunList(owner, context, settings);
    case kActionLaunchSlideShow: return EditSlideShowSettings(owner, context, settings);
    case kActionCopyFiles: return EditCopyFileSettings(owner, context, settings);
    case kActionLoadFileWithObject: return EditLoadFileSettings(owner, context, settings);
    case kActionShowHideObjects: return EditShowHideSettings(owner, context, settings);
    case kActionGroup: return EditActionGroup(owner, context, settings);
    default: return false;
  }
}

}  // namespace plexara
