// The inspect tool's distribution commands, so projects can be published without the editor:
// building a project's target file, writing a self-contained player, and unpacking one again.
// Errors come back as messages; the project readers' own reports go through the error reporter.
#pragma once

#include <string>

#include "storage/result.h"

namespace plexara::inspect {

// Builds "autorun.tgt" in projectFolder from its source folder's project and page files.
Result<void> BuildTarget(const std::string& projectFolder);
// Writes the player's bytes, the packed project folder and the tree's position to out. The file
// appears only when complete.
Result<void> PackSelfContained(const std::string& playerPath, const std::string& projectFolder,
                               const std::string& outPath);
// Recreates the project folder a self-contained player carries inside folder (created if missing).
Result<void> UnpackSelfContained(const std::string& exePath, const std::string& folder);

}  // namespace plexara::inspect
