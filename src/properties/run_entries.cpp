#include "properties/run_entries.h"

#include "player/action_shell.h"
#include "storage/ascii_case.h"

namespace plexara {

std::vector<RunListEntry> RunRowsFromSettings(std::string_view settings) {
  RunListSettings decoded = RunListSettings::Decode(settings);
  if (!decoded.singleForm) return std::move(decoded.entries);
  if (decoded.singleFile.empty()) return {};
  RunListEntry entry;
  entry.file = std::move(decoded.singleFile);
  return {std::move(entry)};
}

std::string RunSettingsFromRows(const std::vector<RunListEntry>& rows) {
  RunListSettings settings;
  settings.entries = rows;
  return settings.Encode();
}

bool IsPlayerRunFile(std::string_view file) {
  const std::string_view trimmed = TrimmedText(file);
  return SameTextIgnoringCase(trimmed, "\\autorun.exe") ||
         SameTextIgnoringCase(trimmed, "autorun.exe");
}

std::string RunFolderPart(std::string_view file) {
  const std::size_t slash = file.rfind('\\');
  if (slash == std::string_view::npos) return {};
  return slash == 0 ? std::string("\\") : std::string(file.substr(0, slash));
}

RunListEntry RunEntryFromPickedFile(std::string_view picked) {
  RunListEntry entry;
  entry.file.assign(picked);
  entry.startFolder = RunFolderPart(picked);
  return entry;
}

std::string RunFilePickerValue(std::string_view typed) {
  const std::string_view trimmed = TrimmedText(typed);
  return trimmed == "\\" ? std::string() : std::string(trimmed);
}

RunListEntry TrimmedRunEntry(const RunListEntry& typed) {
  RunListEntry entry;
  entry.file.assign(TrimmedText(typed.file));
  entry.parameters.assign(TrimmedText(typed.parameters));
  entry.startFolder.assign(TrimmedText(typed.startFolder));
  entry.wait = typed.wait;
  return entry;
}

}  // namespace plexara
