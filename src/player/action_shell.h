// The shell side of running actions, without windows: the messages for the shell's error numbers,
// the paths actions build from stored text, and the waiting run that the wait window drives.
#pragma once

#include <string>
#include <string_view>

#include "platform/shell_seam.h"

namespace plexara {

// The error boxes of a failed shell start.
inline constexpr std::string_view kOperationErrorText = "Operation Error";
inline constexpr std::string_view kEmailProgramNotFoundText =
    "Default email program not found on your system.";

// The message for a shell result or operating-system error number; "Operation Error" for every
// number without a message of its own.
std::string_view ShellErrorText(long code);

// A path stored relative to the project root, as actions join it: the root itself for an empty
// text, otherwise the root, a backslash when the text does not begin with one, and the text.
std::string ActionRelativePath(std::string_view projectRoot, std::string_view stored);

// The text without leading and trailing blanks and control characters.
std::string_view TrimmedText(std::string_view text);

// Starts a file through the shell's extended execute and waits as asked (see Shell::RunWaiting);
// an empty folder means the folder of the file.
WaitingRunResult RunShellWaiting(std::string_view operation, std::string_view file,
                                 std::string_view parameters, int showCommand, bool waitForIdle,
                                 bool waitForExit, std::string_view folder);

}  // namespace plexara
