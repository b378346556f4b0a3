// The "Rich Editor": the formatted content of a rich text object in the platform's rich-edit
// control, with a tool bar that follows and changes the formatting at the caret, and loading and
// saving of .rtf and .txt files.
#pragma once

#include <windows.h>

#include <string>

namespace plexara {

// The rich text editor. `rtf` is the content of a rich text object as rich text (RTF bytes, or
// empty). True only after "&OK" when the content was modified (typing, formatting, loading,
// clearing); `rtf` is then the edited content written back as rich text.
bool EditRichText(HWND owner, std::string& rtf);

}  // namespace plexara
