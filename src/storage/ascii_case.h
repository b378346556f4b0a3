// Letter case of names held in the system code page: only A-Z and a-z fold, never by locale, so
// a comparison means the same on every machine and bytes above 127 stay as they are.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plexara {

constexpr char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string UpperAscii(std::string_view text) {
  std::string upper;
  upper.reserve(text.size());
  for (const char c : text) upper.push_back(AsciiUpper(c));
  return upper;
}

constexpr bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

}  // namespace plexara
