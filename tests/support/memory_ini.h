// An editor settings file in memory; `readable` false makes every read fail, as an unreadable file.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "editor/editor_settings.h"

namespace plexara::testing_support {

class MemoryIni final : public IniStore {
 public:
  std::optional<std::string> Get(std::string_view section, std::string_view key) override {
    if (!readable) return std::nullopt;
    const auto value = values.find({std::string(section), std::string(key)});
    if (value == values.end()) return std::nullopt;
    return value->second;
  }
  bool Set(std::string_view section, std::string_view key, std::string_view value) override {
    values[{std::string(section), std::string(key)}] = std::string(value);
    return true;
  }

  std::map<std::pair<std::string, std::string>, std::string> values;
  bool readable = true;
};

}  // namespace plexara::testing_support
