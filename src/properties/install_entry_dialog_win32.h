// The Install Software dialog: one entry of the start-up install list, its installer picked inside
// the disc folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "storage/install_list.h"

namespace plexara {

// A new entry after "&OK" (always returned then), or none after Cancel.
std::optional<TInstallWare> NewInstallEntry(HWND owner, const std::string& discFolder);

// True only after "&OK" when something was changed; `entry` is then updated.
bool EditInstallEntry(HWND owner, const std::string& discFolder, TInstallWare& entry);

}  // namespace plexara
