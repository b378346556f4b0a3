#include "properties/relative_to_disc.h"

#include "storage/ascii_case.h"

namespace plexara {

std::string RelativeToDisc(std::string_view discFolder, std::string_view path) {
  if (SameTextIgnoringCase(path, discFolder)) return "\\";
  if (path.size() > discFolder.size() && path[discFolder.size()] == '\\' &&
      SameTextIgnoringCase(path.substr(0, discFolder.size()), discFolder)) {
    return std::string(path.substr(discFolder.size()));
  }
  return {};
}

}  // namespace plexara
