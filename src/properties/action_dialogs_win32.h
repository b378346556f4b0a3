// The dialogs that set up the action kinds whose target packs several values into one settings
// string (storage/action_targets.h), the open/run file editor, and the action editor used inside
// action groups.
//
// Every dialog is modal and made for one use. It is given the current string, fills its controls
// from it, and returns true only after "&OK" with a real change, the new string then written back;
// on "&Cancel", on closing the window, or on OK without a change it returns false and leaves the
// string alone.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "storage/action_targets.h"
#include "storage/page_file.h"
#include "storage/project_file.h"

namespace plexara {

// What the dialogs take their name lists from and where their pickers work.
struct ActionDialogContext {
  const PageData* page = nullptr;  // the page being edited: object and group names
  const std::vector<TAutoFormInfo>* projectPages = nullptr;  // page names
  std::string discFolder;  // the project folder: picked paths come back relative to it
};

// "Open/Run Files": the list of files an Open/Run File action runs in turn.
bool EditRunList(HWND owner, const ActionDialogContext& context, std::string& settings);
// "Open/Run File Editor": one entry of that list (also used by the rows of the choice objects).
bool EditRunFile(HWND owner, const ActionDialogContext& context, RunListEntry& entry);
// "Launch slide show".
bool EditSlideShowSettings(HWND owner, const ActionDialogContext& context, std::string& settings);
// "Copy file or files in a folder".
bool EditCopyFileSettings(HWND owner, const ActionDialogContext& context, std::string& settings);
// "Load file with object".
bool EditLoadFileSettings(HWND owner, const ActionDialogContext& context, std::string& settings);
// "Show/Hide Enabe/Disable Objects".
bool EditShowHideSettings(HWND owner, const ActionDialogContext& context, std::string& settings);
// "Action Group": the actions run one after another.
bool EditActionGroup(HWND owner, const ActionDialogContext& context, std::string& settings);
// "Action Editor": one grouped action; never offers "Action Group", so groups do not nest. True
// when the kind, show command, target, parameters or folder changed.
bool EditAction(HWND owner, const ActionDialogContext& context, GroupedAction& action);

// What every dialog does after "&OK": the written string replaces `settings` only when it differs;
// true then.
bool StoreChangedSettings(std::string& settings, std::string written);

// Whether the action kind's target is a settings string set up by one of the dialogs above.
bool HasSettingsDialog(int actionKind);
// Opens the settings dialog of the action kind; false for kinds without one.
bool EditActionSettings(HWND owner, const ActionDialogContext& context, int actionKind, std::string& settings);

}  // namespace plexara
