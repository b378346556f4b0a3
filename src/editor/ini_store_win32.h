// The editor's settings file through the Windows profile functions.
#pragma once

#include <string>
#include <utility>

#include "editor/editor_settings.h"

namespace plexara {

class Win32IniStore final : public IniStore {
 public:
  explicit Win32IniStore(std::string iniPath) : iniPath_(std::move(iniPath)) {}
  std::optional<std::string> Get(std::string_view section, std::string_view key) override;
  bool Set(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::string iniPath_;
};

}  // namespace plexara
