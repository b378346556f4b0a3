// The editor's initialisation run (started with "-I", normally by its installer): the template
// thumbnails are made again, and the editor executable is copied into the demo folders as their
// player, each step shown in a small progress window. The editor then ends.
#pragma once

#include <windows.h>

#include <string>

namespace plexara {

void RunInitialisationSteps(HWND owner, const std::string& editorFolder, const std::string& editorExecutable);

}  // namespace plexara
