// The editor's own settings file (Plexara.ini beside the executable): the grid and design-area
// colour of the SETTINGS section, the last saved project folder (START DefaultPath) and the
// version whose What's New the author has dismissed (SYSTEM Version). The file is reached
// through IniStore; ini_store_win32.h is the real one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plexara {

class IniStore {
 public:
  virtual ~IniStore() = default;
  // The value, or nullopt when the key is missing or the file cannot be read.
  virtual std::optional<std::string> Get(std::string_view section, std::string_view key) = 0;
  virtual bool Set(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// The platform's info-background system colour (system-colour flag with index 24).
inline constexpr std::int32_t kColorInfoBackground = -2147483624;

// The grid the snapping divides by; the grid size dialog offers the same range.
inline constexpr int kMinimumGridSize = 2;
inline constexpr int kMaximumGridSize = 99;

struct EditorSettings {
  bool displayGrid = true;
  bool snapToGrid = true;
  std::int32_t gridX = 8;
  std::int32_t gridY = 8;
  std::int32_t backColor = kColorInfoBackground;

  friend bool operator==(const EditorSettings&, const EditorSettings&) = default;
};

// Reads the SETTINGS section over the defaults: a missing or unreadable value keeps its default,
// and so does a grid size outside the dialog's range (a grid of 0 would divide by zero).
EditorSettings ReadEditorSettings(IniStore& ini);
// Writes all five SETTINGS keys; a failure is not reported.
void WriteEditorSettings(IniStore& ini, const EditorSettings& settings);

void WriteDefaultPath(IniStore& ini, std::string_view folder);
std::string ReadSeenVersion(IniStore& ini);  // SYSTEM Version; empty when absent
void WriteSeenVersion(IniStore& ini, std::string_view version);

// A coordinate snapped to the grid: ((value + grid div 2) div grid) * grid.
constexpr std::int32_t SnapToGrid(std::int32_t value, std::int32_t grid) {
  return ((value + grid / 2) / grid) * grid;
}

}  // namespace plexara
