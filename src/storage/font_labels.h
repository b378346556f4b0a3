// Named font-and-effect labels that multi-line text objects refer to. Names are unique without
// regard to letter case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "storage/ascii_case.h"
#include "storage/font_data.h"
#include "storage/fx_effect.h"
#include "storage/result.h"

namespace plexara {

struct TFontLabel {
  std::string name;
  FontData font;
  TFxEffect effect;
  friend bool operator==(const TFontLabel&, const TFontLabel&) = default;
};

class TFontLabels {
 public:
  // Appends a label; when a label of that name exists already, nothing is added and the existing
  // label is returned.
  TFontLabel& Add(std::string_view name);
  // Renames the label at index; fails with "Duplicate string!" when another label has the name.
  Result<void> Rename(std::size_t index, std::string_view name);
  TFontLabel* Find(std::string_view name);
  const TFontLabel* Find(std::string_view name) const;
  void Clear() { items_.clear(); }

  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  TFontLabel& operator[](std::size_t index) { return items_[index]; }
  const TFontLabel& operator[](std::size_t index) const { return items_[index]; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  friend bool operator==(const TFontLabels&, const TFontLabels&) = default;

 private:
  std::vector<TFontLabel> items_;
};

}  // namespace plexara
