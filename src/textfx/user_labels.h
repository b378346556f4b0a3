// User labels of the multi-line text controls: named tags that stand for a text the system knows
// (registered owner and organisation, application title, date, time, or the label's own text) or
// that set a line's alignment. Names are unique without regard to letter case. Page files never
// store user labels, so a collection stays empty unless a program adds items.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/result.h"

namespace plexara {

enum class TLabelStyle : std::uint8_t {
  lsLeftJustify,
  lsCenter,
  lsRightJustify,
  lsRegOwner,
  lsRegOrganization,
  lsAppTitle,
  lsDate,
  lsTime,
  lsCustom,
};

struct TUserLabel;
// May change the replacement text of any item.
using TGetLabelText = std::function<void(const TUserLabel& label, std::string& text)>;

struct TUserLabel {
  std::string name;
  TLabelStyle style = TLabelStyle::lsCustom;
  std::string text;  // used only with lsCustom
  TGetLabelText onGetText;
};

// What the system styles stand for. The platform fills it once, when a collection is made; date
// and time are asked for each time a tag is replaced, in the system's short format.
struct TUserLabelValues {
  std::string owner;
  std::string organisation;
  std::string appTitle;
  std::function<std::string()> date;
  std::function<std::string()> time;
};

class TUserLabels {
 public:
  explicit TUserLabels(TUserLabelValues values = {}) : values_(std::move(values)) {}

  // Appends a label; when one of that name exists already, nothing is added and that one is
  // returned.
  TUserLabel& Add(std::string_view name);
  // Fails with "Duplicate string!" when another label has the name.
  Result<void> Rename(std::size_t index, std::string_view name);
  const TUserLabel* Find(std::string_view name) const;
  void Clear() { items_.clear(); }

  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  TUserLabel& operator[](std::size_t index) { return items_[index]; }
  const TUserLabel& operator[](std::size_t index) const { return items_[index]; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  // The text a tag of a replacing style (3–8) stands for, after OnGetText.
  std::string Replacement(const TUserLabel& label) const;
  const TUserLabelValues& values() const { return values_; }

 private:
  TUserLabelValues values_;
  std::vector<TUserLabel> items_;
};

}  // namespace plexara
