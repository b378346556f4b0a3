// The entries of an "Open/Run File" file list that the player runs. Unlike the settings dialog,
// which keeps a half-written entry to show it, the player stops at the first entry that lacks one
// of its four fields: a program must never start with parameters or a folder cut short.
#pragma once

#include <string_view>
#include <vector>

#include "storage/action_targets.h"

namespace plexara {

// Whether a target is a file list rather than a single file (it holds an RS2).
bool IsFileListTarget(std::string_view target);

// The whole entries of a file list, in order, up to the first malformed one.
std::vector<RunListEntry> FileListEntries(std::string_view target);

}  // namespace plexara
