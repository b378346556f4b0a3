#include "properties/text_lines.h"

namespace plexara {

std::string WithCrlfBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += "\r\n";
    } else if (c == '\n') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

std::string LinesWithCrlf(std::string_view text) {
  std::string result = WithCrlfBreaks(text);
  const bool endsWithBreak =
      result.size() >= 2 && result.compare(result.size() - 2, 2, "\r\n") == 0;
  if (!result.empty() && !endsWithBreak) result += "\r\n";
  return result;
}

}  // namespace plexara
