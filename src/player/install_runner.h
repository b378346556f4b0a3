// Running the start-up install list. Each TInstallWare entry runs its installer at
// start when its file is on the disc, when its "When" rule says it is needed (always, or only when
// no program opens its file type) and, with a prompt, when the user agrees. Everything outside
// goes through seams: the file probe, the shell (open command lookup and the start itself) and the
// message boxes. Nothing is reported: an entry that cannot run is passed over.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell_seam.h"
#include "storage/install_list.h"
#include "storage/startup_context.h"

namespace plexara {

// The verbs of the waiting and the plain start.
inline constexpr std::string_view kInstallWaitingVerb = "Open";
inline constexpr std::string_view kInstallVerb = "open";

// The file type named by an entry's "File Type:" text: from the first "." on, cut before the
// first blank and before the first "(" (".pdf (Adobe Acrobat Document)" gives ".pdf"). Nothing
// when the text is empty or has no ".".
std::optional<std::string> InstallFileType(std::string_view fileTypeText);

// Whether the entry's "When" rule asks for the installer (prompt and file checks aside).
bool InstallEntryNeeded(const TInstallWare& entry, Shell& shell);

// Runs every entry in list order. Paths are ProjectRoot + the stored text, joined as they are
// (the editor stores them with a leading backslash).
void RunInstallList(const std::vector<TInstallWare>& list, const std::string& projectRoot,
                    const FileSystemProbe& probe, Shell& shell, MessageBoxes& boxes);

}  // namespace plexara
