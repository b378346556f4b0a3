#include "textfx/user_labels.h"

#include "storage/font_labels.h"

namespace plexara {

TUserLabel& TUserLabels::Add(std::string_view name) {
  for (TUserLabel& item : items_) {
    if (SameTextIgnoringCase(item.name, name)) return item;
  }
  items_.push_back(TUserLabel{std::string(name), TLabelStyle::lsCustom, {}, {}});
  return items_.back();
}

Result<void> TUserLabels::Rename(std::size_t index, std::string_view name) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (i != index && SameTextIgnoringCase(items_[i].name, name))
      return MakeError("Duplicate string!");
  }
  items_.at(index).name = std::string(name);
  return Ok{};
}

const TUserLabel* TUserLabels::Find(std::string_view name) const {
  for (const TUserLabel& item : items_) {
    if (SameTextIgnoringCase(item.name, name)) return &item;
  }
  return nullptr;
}

std::string TUserLabels::Replacement(const TUserLabel& label) const {
  std::string text;
  switch (label.style) {
    case TLabelStyle::lsRegOwner:
      text = values_.owner;
      break;
    case TLabelStyle::lsRegOrganization:
      text = values_.organisation;
      break;
    case TLabelStyle::lsAppTitle:
      text = values_.appTitle;
      break;
    case TLabelStyle::lsDate:
      text = values_.date ? values_.date() : std::string();
      break;
    case TLabelStyle::lsTime:
      text = values_.time ? values_.time() : std::string();
      break;
    case TLabelStyle::lsCustom:
      text = label.text;
      break;
    default:
      break;
  }
  if (label.onGetText) label.onGetText(label, text);
  return text;
}

}  // namespace plexara
