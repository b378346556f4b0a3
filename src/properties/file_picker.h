// What the file picker does with the file the author chose, apart from the platform's open
// dialog: a file below the disc folder is returned as its path relative to it; a file elsewhere
// is copied into a folder of the disc (after the author agreed, and agreed to replace a file of
// the same name) and the copy is returned. The platform's folder picker and file functions come
// through FilePickSteps, so the rules run natively in tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/shell_seam.h"

namespace plexara {

class FilePickSteps {
 public:
  virtual ~FilePickSteps() = default;
  // The folder picker below the disc folder: `value` relative to it ("\" for the disc folder);
  // false when the author cancelled.
  virtual bool PickFolder(const std::string& label, std::string& value) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // Copies source to target, replacing it; a failed copy leaves no partial target behind.
  virtual bool CopyReplacing(const std::string& source, const std::string& target) = 0;
};

// The full path the open dialog starts on for the current value: empty when there is none (the
// dialog then starts in the disc folder), else the disc folder plus the trimmed value with a
// leading backslash.
std::string InitialPickPath(std::string_view discFolder, std::string_view value);

// The relative value for a chosen full path, or nothing when the author declined the copy,
// cancelled the folder choice or the copy failed. `discFolder` has no trailing backslash.
std::optional<std::string> PlaceInDisc(const std::string& discFolder, const std::string& chosen,
                                       FilePickSteps& steps, MessageBoxes& boxes,
                                       NativeWindow owner);

}  // namespace plexara
