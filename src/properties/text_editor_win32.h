// The "Text Editor": a plain multi-line text with loading and saving of text files. The text keeps
// the system code page bytes it was given; only its line breaks are rewritten (text_lines.h).
#pragma once

#include <windows.h>

#include <string>

#include "storage/result.h"

namespace plexara {

// True only after "&OK" when the text was edited, loaded or cleared into something other than what
// was given; `text` is then the shown lines, each followed by CRLF.
bool EditText(HWND owner, std::string& text);

// A text file's bytes with every line break as CRLF, ready to show. A file that cannot be read
// fails with the system's message for the failure.
Result<std::string> LoadTextFile(const std::string& path);

}  // namespace plexara
