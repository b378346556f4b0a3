// The "Select Folder" window behind both folder pickers: a tree of file-system folders (folders
// only, loaded as the author opens them), the current folder pre-selected, and "&OK" enabled only
// while the selected node is an existing folder.
//   PickDiscFolder: the project folder itself, absolute, from a tree rooted at the desktop.
//   PickFolder:     a folder inside the disc folder, as a path relative to it, from a tree rooted
//                   at the disc folder without its "AutoRunSource" folder.
#pragma once

#include <windows.h>

#include <string>

namespace plexara {

// "Select CD-ROM base folder". `folder` is absolute (a bare drive such as X: counts as X:\); on
// "&OK" it becomes the chosen folder. True when that differs from before.
bool PickDiscFolder(HWND owner, std::string& folder);

// `label` above the tree (empty: "Select folder:"). `value` is relative to `discFolder` (no
// trailing backslash), "\" for the disc folder itself; on "&OK" it becomes the chosen folder in
// the same form. True when that differs from before.
bool PickFolder(HWND owner, const std::string& discFolder, const std::string& label, std::string& value);
// The same for the text field `field` of a dialog, with the default label: the picker starts on
// its text, and a chosen folder replaces it. True when that changed the folder.
bool PickFolderIntoField(HWND dialog, int field, const std::string& discFolder);

}  // namespace plexara
