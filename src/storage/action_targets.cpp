// Encoding and decoding of the packed action targets (see action_targets.h for the rules).
#include "storage/action_targets.h"

#include <algorithm>
#include <charconv>

namespace plexara {

// ---- packed text helpers ----

bool PackedReader::Next(char separator, std::string_view& field) {
  if (stopped_) return false;
  const std::size_t end = rest_.find(separator);
  if (end == std::string_view::npos) {
    stopped_ = true;
    return false;
  }
  field = rest_.substr(0, end);
  rest_.remove_prefix(end + 1);
  return true;
}

bool PackedReader::Next(char separator, std::string& field) {
  std::string_view piece;
  if (!Next(separator, piece)) return false;
  field.assign(piece);
  return true;
}

namespace {

void AppendWithout(std::string& out, std::string_view text, std::string_view reserved) {
  for (char c : text) {
    if (reserved.find(c) == std::string_view::npos) out.push_back(c);
  }
}

}  // namespace

void AppendField(std::string& out, std::string_view field, char separator,
                 std::string_view reserved) {
  AppendWithout(out, field, reserved);
  out.push_back(separator);
}

std::string_view FlagText(bool value) { return value ? "Y" : " "; }

bool IsFlagSet(std::string_view field) { return field == "Y"; }

std::int32_t ParseDecimal(std::string_view field, std::int32_t fallback) {
  if (field.empty()) return fallback;
  std::int32_t value = 0;
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value);
  return error == std::errc() && stop == end ? value : fallback;
}

namespace {

void ReportComplete(bool* complete, bool value) {
  if (complete != nullptr) *complete = value;
}

// Reads flag and number fields in place, leaving the default when the separator is missing.
bool NextFlag(PackedReader& reader, bool& value) {
  std::string_view piece;
  if (!reader.Next(kFS1, piece)) return false;
  value = IsFlagSet(piece);
  return true;
}

bool NextNumber(PackedReader& reader, std::int32_t& value) {
  std::string_view piece;
  if (!reader.Next(kFS1, piece)) return false;
  value = ParseDecimal(piece, value);
  return true;
}

void AppendNumber(std::string& out, std::int32_t value, char separator) {
  AppendField(out, std::to_string(value), separator);
}

}  // namespace

// ---- Open/Run File ----

RunListSettings RunListSettings::Decode(std::string_view target, bool* complete) {
  RunListSettings settings;
  if (target.find(kRS2) == std::string_view::npos) {
    settings.singleForm = true;
    settings.singleFile.assign(target);
    ReportComplete(complete, true);
    return settings;
  }
  PackedReader records(target);
  std::string_view record;
  bool wellFormed = true;
  while (records.Next(kRS2, record)) {
    PackedReader fields(record);
    RunListEntry entry;
    if (!fields.Next(kFS1, entry.file)) {
      wellFormed = false;
      break;
    }
    const bool whole = fields.Next(kFS1, entry.parameters) &&
                       fields.Next(kFS1, entry.startFolder) && NextFlag(fields, entry.wait) &&
                       fields.rest().empty();
    settings.entries.push_back(std::move(entry));
    if (!whole) {
      wellFormed = false;
      break;
    }
  }
  ReportComplete(complete, wellFormed && records.rest().empty());
  return settings;
}

std::string RunListSettings::Encode() const {
  if (singleForm) {
    // Any RS2 would turn the single file into a list; FS1 is harmless in this form.
    std::string out;
    AppendWithout(out, singleFile, std::string_view(&kRS2, 1));
    return out;
  }
  std::string out;
  for (const RunListEntry& entry : entries) {
    AppendField(out, entry.file, kFS1);
    AppendField(out, entry.parameters, kFS1);
    AppendField(out, entry.startFolder, kFS1);
    AppendField(out, FlagText(entry.wait), kFS1);
    out.push_back(kRS2);
  }
  return out;
}

// ---- Launch Slide Show ----

SlideShowSettings SlideShowSettings::Decode(std::string_view target, bool* complete) {
  SlideShowSettings settings;
  const SlideShowSettings defaults;
  PackedReader fields(target);
  const bool whole =
      fields.Next(kFS1, settings.folder) && NextFlag(fields, settings.loop) &&
      NextNumber(fields, settings.style) && NextNumber(fields, settings.imageStyle) &&
      NextNumber(fields, settings.step) && NextNumber(fields, settings.stepDelay) &&
      NextNumber(fields, settings.interval) && NextNumber(fields, settings.backgroundColor) &&
      fields.Next(kFS1, settings.music);
  if (settings.style < 0 || settings.style > kSlideShowStyleCount) settings.style = defaults.style;
  if (settings.imageStyle < 0 || settings.imageStyle >= kSlideShowImageStyleCount) {
    settings.imageStyle = defaults.imageStyle;
  }
  settings.step = std::clamp(settings.step, 1, 99);
  settings.stepDelay = std::clamp(settings.stepDelay, 1, 9999);
  settings.interval = std::clamp(settings.interval, 0, 99);
  ReportComplete(complete, whole && fields.rest().empty());
  return settings;
}

std::string SlideShowSettings::Encode() const {
  std::string out;
  AppendField(out, folder, kFS1);
  AppendField(out, FlagText(loop), kFS1);
  AppendNumber(out, style, kFS1);
  AppendNumber(out, imageStyle, kFS1);
  AppendNumber(out, step, kFS1);
  AppendNumber(out, stepDelay, kFS1);
  AppendNumber(out, interval, kFS1);
  AppendNumber(out, backgroundColor, kFS1);
  AppendField(out, music, kFS1);
  return out;
}

// ---- Copy File(s) then Open/Run ----

namespace {
constexpr std::int32_t kCopyMessageTypeLimit = 3;  // the dialog accepts "0".."3"
}

CopyFileSettings CopyFileSettings::Decode(std::string_view target, bool* complete) {
  CopyFileSettings settings;
  PackedReader fields(target);
  std::string_view messageType;
  const bool whole =
      fields.Next(kFS1, settings.source) && fields.Next(kFS1, settings.targetFolder) &&
      NextFlag(fields, settings.overwrite) && NextFlag(fields, settings.showMessage) &&
      fields.Next(kFS1, settings.caption) && fields.Next(kFS1, settings.message) &&
      fields.Next(kFS1, messageType) && fields.Next(kFS1, settings.runFile) &&
      fields.Next(kFS1, settings.runParameters) && fields.Next(kFS1, settings.runFolder);
  if (messageType.size() == 1 && messageType[0] >= '0' &&
      messageType[0] <= '0' + kCopyMessageTypeLimit) {
    settings.messageType = messageType[0] - '0';
  }
  ReportComplete(complete, whole && fields.rest().empty());
  return settings;
}

std::string CopyFileSettings::Encode() const {
  const bool knownType = messageType >= 0 && messageType <= kCopyMessageTypeLimit;
  std::string out;
  AppendField(out, source, kFS1);
  AppendField(out, targetFolder, kFS1);
  AppendField(out, FlagText(overwrite), kFS1);
  AppendField(out, FlagText(showMessage), kFS1);
  AppendField(out, caption, kFS1);
  AppendField(out, message, kFS1);
  AppendNumber(out, knownType ? messageType : kCopyMessageQuestion, kFS1);
  AppendField(out, runFile, kFS1);
  AppendField(out, runParameters, kFS1);
  AppendField(out, runFolder, kFS1);
  return out;
}

// ---- Load File with Object ----

LoadFileSettings LoadFileSettings::Decode(std::string_view target, bool* complete) {
  LoadFileSettings settings;
  PackedReader fields(target);
  const bool whole = fields.Next(kFS1, settings.objectName) && fields.Next(kFS1, settings.file);
  ReportComplete(complete, whole && fields.rest().empty());
  return settings;
}

std::string LoadFileSettings::Encode() const {
  std::string out;
  AppendField(out, objectName, kFS1);
  AppendField(out, file, kFS1);
  return out;
}

// ---- Show/Hide Enable/Disable Objects ----

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) names.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  return names;
}

}  // namespace

ShowHideSettings ShowHideSettings::Decode(std::string_view target, bool* complete) {
  ShowHideSettings settings;
  PackedReader fields(target);
  std::string_view section;
  int read = 0;
  while (read < kShowHideSectionCount && fields.Next(kFS1, section)) {
    settings.sections[static_cast<std::size_t>(read)] = SplitLines(section);
    ++read;
  }
  ReportComplete(complete, read == kShowHideSectionCount && fields.rest().empty());
  return settings;
}

std::string ShowHideSettings::Encode() const {
  // A line break inside a name would split it into two names.
  constexpr std::string_view kReservedInNames = "\x01\x02\x03\x04\r\n";
  std::string out;
  for (const auto& names : sections) {
    bool first = true;
    for (const std::string& name : names) {
      std::string kept;
      AppendWithout(kept, name, kReservedInNames);
      if (kept.empty()) continue;  // would read back as no name at all
      if (!first) out.append("\r\n");
      out.append(kept);
      first = false;
    }
    out.push_back(kFS1);
  }
  return out;
}

// ---- Action Group ----

namespace {
constexpr std::int32_t kLargestActionKind = 255;  // the kind is a byte in the action record
}

ActionGroupSettings ActionGroupSettings::Decode(std::string_view target, bool* complete) {
  ActionGroupSettings settings;
  PackedReader records(target);
  std::string_view record;
  bool wellFormed = true;
  while (records.Next(kRS4, record)) {
    PackedReader fields(record);
    GroupedAction action;
    std::string_view kind, showCommand, close;
    if (!(fields.Next(kFS3, kind) && fields.Next(kFS3, showCommand) &&
          fields.Next(kFS3, action.target) && fields.Next(kFS3, action.parameters) &&
          fields.Next(kFS3, action.folder))) {
      wellFormed = false;
      break;
    }
    const std::int32_t kindNumber = ParseDecimal(kind, kActionNone);
    action.actionKind = static_cast<std::uint8_t>(
        kindNumber >= 0 && kindNumber <= kLargestActionKind ? kindNumber : kActionNone);
    action.showCommand = ParseDecimal(showCommand, 1);
    if (fields.Next(kFS3, close)) {
      action.closeAfterAction = IsFlagSet(close);
      if (!fields.rest().empty()) wellFormed = false;
    } else {
      wellFormed = false;
    }
    settings.actions.push_back(std::move(action));
  }
  ReportComplete(complete, wellFormed && records.rest().empty());
  return settings;
}

std::string ActionGroupSettings::Encode() const {
  std::string out;
  for (const GroupedAction& action : actions) {
    AppendNumber(out, action.actionKind, kFS3);
    AppendNumber(out, action.showCommand, kFS3);
    AppendField(out, action.target, kFS3, kGroupSeparators);
    AppendField(out, action.parameters, kFS3);
    AppendField(out, action.folder, kFS3);
    AppendField(out, FlagText(action.closeAfterAction), kFS3);
    out.push_back(kRS4);
  }
  return out;
}

}  // namespace plexara
