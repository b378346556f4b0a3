#include "player/page_fades.h"

#include <cctype>

namespace plexara {

std::vector<std::uint8_t> FadeInOpacities(std::int32_t delay, std::int32_t step) {
  std::vector<std::uint8_t> opacities;
  if (delay <= 0 || step <= 0) return opacities;
  for (std::int64_t v = 0; v < 255; v += step) opacities.push_back(static_cast<std::uint8_t>(v));
  return opacities;
}

std::vector<std::uint8_t> FadeOutOpacities(std::int32_t delay, std::int32_t step) {
  std::vector<std::uint8_t> opacities;
  if (delay <= 0 || step <= 0) return opacities;
  for (std::int64_t v = 255; v > 0; v -= step) opacities.push_back(static_cast<std::uint8_t>(v));
  return opacities;
}

std::string CursorTableKey(std::string_view cursorFile) {
  if (cursorFile.empty()) return {};
  std::string key;
  if (cursorFile.front() != '\\') key.push_back('\\');
  for (char c : cursorFile) key.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  return key;
}

std::string RootRelativePath(std::string_view projectRoot, std::string_view stored) {
  std::string path(projectRoot);
  if (stored.empty() || stored.front() != '\\') path.push_back('\\');
  path += stored;
  return path;
}

}  // namespace plexara
