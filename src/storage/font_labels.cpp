#include "storage/font_labels.h"

namespace plexara {

TFontLabel& TFontLabels::Add(std::string_view name) {
  if (TFontLabel* existing = Find(name)) return *existing;
  items_.push_back(TFontLabel{std::string(name), {}, {}});
  return items_.back();
}

Result<void> TFontLabels::Rename(std::size_t index, std::string_view name) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (i != index && SameTextIgnoringCase(items_[i].name, name)) return MakeError("Duplicate string!");
  }
  items_.at(index).name = std::string(name);
  return Ok{};
}

TFontLabel* TFontLabels::Find(std::string_view name) {
  for (auto& item : items_) {
    if (SameTextIgnoringCase(item.name, name)) return &item;
  }
  return nullptr;
}

const TFontLabel* TFontLabels::Find(std::string_view name) const {
  return const_cast<TFontLabels*>(this)->Find(name);
}

}  // namespace plexara
