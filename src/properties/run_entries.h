// The rules of the Open/Run Files dialog and the Open/Run File Editor without their windows: the
// rows a settings string shows, the string the rows write, what picking a file fills in, and the
// refusal of the player itself as a file to run. The dialogs are run_list_dialog_win32.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "storage/action_targets.h"

namespace plexara {

inline constexpr std::string_view kRunListCaption = "Open/Run Files";
inline constexpr std::string_view kRunFileCaption = "Open/Run File Editor";
inline constexpr std::string_view kRunInformationCaption = "Information";
inline constexpr std::string_view kRunFileIsPlayerText = "The file can not be \"autorun.exe\".";

// The rows of the list for a stored target. A target in the single form (no record separator at
// all) is the one file the player runs, so it shows as one row holding that file with empty
// parameters and start directory and no wait; an empty target shows no rows.
std::vector<RunListEntry> RunRowsFromSettings(std::string_view settings);

// The target the rows write, in list order (always the list form).
std::string RunSettingsFromRows(const std::vector<RunListEntry>& rows);

// True for the disc's own player: "autorun.exe" or "\autorun.exe" in any letter case, blanks
// around ignored. Running it from itself would start the menu again.
bool IsPlayerRunFile(std::string_view file);

// The folder of a picked file, as the start directory it gets: "\Docs" for "\Docs\setup.exe", "\"
// for a file directly in the disc folder, empty for a bare name.
std::string RunFolderPart(std::string_view file);

// The row "&Add..." appends for a picked file: the file, no parameters, its folder as the start
// directory, no wait.
RunListEntry RunEntryFromPickedFile(std::string_view picked);

// The value "&Select..." hands to the file picker for the typed file: trimmed, and empty when it
// is only a backslash (the disc folder itself names no file).
std::string RunFilePickerValue(std::string_view typed);

// The entry the editor's "&OK" returns: file, parameters and start directory trimmed.
RunListEntry TrimmedRunEntry(const RunListEntry& typed);

}  // namespace plexara
