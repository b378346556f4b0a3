#include "editor/editor_document.h"

#include <array>

namespace plexara {
namespace {

constexpr std::array<std::string_view, 7> kPageKindNames = {
    "Splash Screen", "Screen Background", "Main Page",      "Sub Page",
    "Exit Form",     "Security Form",     "Agreement Form",
};

}  // namespace

void MarkModified(EditorDocument& document, bool value) {
  document.modified = value;
  if (!value) return;
  if (document.currentPage >= 0 &&
      static_cast<std::size_t>(document.currentPage) < document.pages.size()) {
    document.pages[static_cast<std::size_t>(document.currentPage)].pageModified = true;
  }
}

void MovePageToDeleted(EditorDocument& document, std::size_t index) {
  if (index >= document.pages.size()) return;
  document.deletedPages.push_back({document.pages[index], document.projectFolder});
  document.pages.erase(document.pages.begin() + static_cast<std::ptrdiff_t>(index));
  // The current index keeps naming the page whose state the working page window holds.
  const auto removed = static_cast<std::int32_t>(index);
  if (document.currentPage == removed)
    document.currentPage = -1;
  else if (document.currentPage > removed)
    --document.currentPage;
}

std::string_view PageKindName(int kind) {
  if (kind < 0 || static_cast<std::size_t>(kind) >= kPageKindNames.size()) return {};
  return kPageKindNames[static_cast<std::size_t>(kind)];
}

std::string PagePropertiesText(int pageKind) {
  return std::string(PageKindName(pageKind)) + " Properties";
}

std::string ObjectPropertiesText(int selectorIndex, int objectCount) {
  return "Object Properties  [" + std::to_string(selectorIndex) + " / " +
         std::to_string(objectCount) + "]";
}

}  // namespace plexara
