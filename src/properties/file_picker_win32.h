// The file picker the property rows and dialogs open: the platform's open-file dialog started on
// the current value, then the disc-folder rules of properties/file_picker.h.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace plexara {

// `value` is relative to `discFolder` (no trailing backslash); `filter` is "description|patterns"
// pairs (properties/file_filters.h). True when the author picked a file and `value` now names it
// (a file from outside the disc folder was copied in first).
bool PickFile(HWND owner, const std::string& discFolder, std::string_view filter,
              std::string& value);
// The same for the text field `field` of a dialog: the picker starts on its text, and a picked
// file replaces it. True when a file was picked.
bool PickFileIntoField(HWND dialog, int field, const std::string& discFolder, std::string_view filter);

}  // namespace plexara
