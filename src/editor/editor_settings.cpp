#include "editor/editor_settings.h"

#include <charconv>

#include "storage/startup_context.h"

namespace plexara {
namespace {

constexpr std::string_view kSettingsSection = "SETTINGS";
constexpr std::string_view kSystemSection = "SYSTEM";
constexpr std::string_view kVersionKey = "Version";

std::optional<std::int32_t> ReadInteger(IniStore& ini, std::string_view key) {
  const std::optional<std::string> text = ini.Get(kSettingsSection, key);
  if (!text || text->empty()) return std::nullopt;
  std::int32_t value = 0;
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

void ReadBool(IniStore& ini, std::string_view key, bool& value) {
  if (const auto number = ReadInteger(ini, key)) value = *number != 0;
}

void ReadGridSize(IniStore& ini, std::string_view key, std::int32_t& value) {
  const auto number = ReadInteger(ini, key);
  if (number && *number >= kMinimumGridSize && *number <= kMaximumGridSize) value = *number;
}

}  // namespace

EditorSettings ReadEditorSettings(IniStore& ini) {
  EditorSettings settings;
  ReadBool(ini, "DISPLAYGRID", settings.displayGrid);
  ReadBool(ini, "SNAPTOGRID", settings.snapToGrid);
  ReadGridSize(ini, "GRIDSIZEX", settings.gridX);
  ReadGridSize(ini, "GRIDSIZEY", settings.gridY);
  if (const auto color = ReadInteger(ini, "BACKCOLOR")) settings.backColor = *color;
  return settings;
}

void WriteEditorSettings(IniStore& ini, const EditorSettings& settings) {
  ini.Set(kSettingsSection, "DISPLAYGRID", settings.displayGrid ? "1" : "0");
  ini.Set(kSettingsSection, "SNAPTOGRID", settings.snapToGrid ? "1" : "0");
  ini.Set(kSettingsSection, "GRIDSIZEX", std::to_string(settings.gridX));
  ini.Set(kSettingsSection, "GRIDSIZEY", std::to_string(settings.gridY));
  ini.Set(kSettingsSection, "BACKCOLOR", std::to_string(settings.backColor));
}

void WriteDefaultPath(IniStore& ini, std::string_view folder) {
  ini.Set(kEditorIniSection, kEditorIniDefaultPathKey, folder);
}

std::string ReadSeenVersion(IniStore& ini) {
  return ini.Get(kSystemSection, kVersionKey).value_or(std::string());
}

void WriteSeenVersion(IniStore& ini, std::string_view version) {
  ini.Set(kSystemSection, kVersionKey, version);
}

}  // namespace plexara
