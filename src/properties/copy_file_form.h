// The rules of the "Copy file or files in a folder" dialog without its window: the target folders
// it offers (the folder macros that mean a real folder on this machine), the folder a target
// resolves to, the message-type list, and the trimming of what the author typed. The dialog is
// copy_file_dialog_win32.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "player/special_folders.h"
#include "storage/action_targets.h"

namespace plexara {

inline constexpr std::string_view kCopyFileCaption = "Copy file or files in a folder";

// The "Message Type:" list; an entry's position is the stored message type.
inline constexpr std::array<std::string_view, 2> kCopyMessageTypes = {"OK", "YES/NO"};

// The "[Name]" macro of every special folder that resolves to a path through `lookup`, in table
// order. A virtual folder (no file-system path) would leave the copy without a target.
std::vector<std::string> CopyTargetChoices(const SpecialFolderLookup& lookup);

// What "Reference on Yours:" shows for the typed target: the folder it resolves to (blanks around
// ignored, as the target is stored trimmed), or the typed text itself when it is no macro.
std::string CopyTargetReference(std::string_view typed, const SpecialFolderLookup& lookup);

// The list entry a stored message type selects: the type itself when the list has that entry,
// -1 (no entry) otherwise.
int CopyMessageTypeIndex(int messageType);

// The settings "&OK" writes: source, target, caption, message and the three run fields trimmed;
// the flags and the message type as they are.
CopyFileSettings TrimmedCopySettings(const CopyFileSettings& typed);

}  // namespace plexara
