#include "properties/file_picker.h"

#include "properties/relative_to_disc.h"

namespace plexara {
namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A "." or ".." segment would let a path that starts with the disc folder point outside it.
bool HasDotSegment(std::string_view path) {
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view segment = path.substr(start, end - start);
    if (segment == "." || segment == "..") return true;
    start = end + 1;
  }
  return false;
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string InitialPickPath(std::string_view discFolder, std::string_view value) {
  std::string relative(Trimmed(value));
  if (relative.empty()) return {};
  if (relative.front() != '\\') relative.insert(relative.begin(), '\\');
  return std::string(discFolder) + relative;
}

std::optional<std::string> PlaceInDisc(const std::string& discFolder, const std::string& chosen,
                                       FilePickSteps& steps, MessageBoxes& boxes,
                                       NativeWindow owner) {
  if (!HasDotSegment(chosen)) {
    const std::string relative = RelativeToDisc(discFolder, chosen);
    if (!relative.empty() && relative != "\\") return relative;
  }
  if (!AskYesNo(boxes, "The file you selected is not in CD-ROM base folder, copy it?", "Copy file",
                MessageIcon::Question, owner))
    return std::nullopt;
  std::string folder;
  if (!steps.PickFolder("Copy selected file to CD-ROM base folder", folder)) return std::nullopt;
  if (folder == "\\") folder.clear();
  const std::string name = FileNameOf(chosen);
  if (name.empty() || HasDotSegment(folder)) return std::nullopt;
  const std::string target = folder + "\\" + name;
  if (steps.FileExists(discFolder + target) &&
      !AskYesNo(boxes, "\"" + name + "\" already exists, overwrite?", "File Exists",
                MessageIcon::Question, owner))
    return std::nullopt;
  if (!steps.CopyReplacing(chosen, discFolder + target)) return std::nullopt;
  return target;
}

}  // namespace plexara
