// The line rule of the plain text editor, kept apart from its window so it can be checked natively.
// A text travels with CRLF, LF or a lone CR between its lines; a multi-line edit shows lines only
// at CRLF, and the editor hands its text back as lines each followed by CRLF.
#pragma once

#include <string>
#include <string_view>

namespace plexara {

// The text with every line break (CRLF, LF or a lone CR) written as CRLF.
std::string WithCrlfBreaks(std::string_view text);

// The text's lines, each followed by CRLF. A break at the very end ends the last line rather than
// starting an empty one, and the empty text has no lines: "a\nb" gives "a\r\nb\r\n", "a\r\n" gives
// "a\r\n", "" gives "".
std::string LinesWithCrlf(std::string_view text);

}  // namespace plexara
