// The What's New dialog: the editor's Tips.rtf in a read-only rich-text view, a "Show this on
// startup" check box and OK.
#pragma once

#include <windows.h>

#include <string>

namespace plexara {

// Shows "What's New?" with <editorFolder>\Tips.rtf (nothing when the file is missing); the check
// box is there only when showCheckBox is true. Returns whether the check box was clicked at all,
// which is when the caller stores the editor version so the dialog stays away at later starts.
bool ShowWhatsNew(HWND owner, const std::string& editorFolder, bool showCheckBox);

}  // namespace plexara
