#include "properties/property_rows.h"

namespace plexara {

const SheetRow* RowSheet::Row(int row) const {
  if (row < 1 || row > RowCount()) return nullptr;
  return &rows[static_cast<std::size_t>(row - 1)];
}

SheetRow* RowSheet::Row(int row) {
  if (row < 1 || row > RowCount()) return nullptr;
  return &rows[static_cast<std::size_t>(row - 1)];
}

SheetRow BuildRow(const RowDef& entry, const RowTarget& target) {
  SheetRow row;
  row.source = &entry;
  row.def = entry.resolve ? entry.resolve(target) : entry;
  const RowDef& def = row.def;
  row.key = std::string(def.key);
  row.kind = def.kind;
  row.disabled = def.disabled && def.disabled(target);
  if (row.disabled) {
    row.kind = RowKind::Locked;
  } else if (def.choices) {
    row.choices = def.choices(target);
  }
  if (def.kind == RowKind::Number && def.number) {
    row.value = std::to_string(def.number(target));
  } else if (def.show) {
    row.value = def.show(target);
  }
  if (def.look == CellLook::Color && def.color) row.color = *def.color(target);
  if (def.font) row.font = *def.font(target);
  return row;
}

void AppendRows(RowSheet& sheet, std::span<const RowDef> table, const RowTarget& target) {
  for (const RowDef& def : table) sheet.rows.push_back(BuildRow(def, target));
}

void RefreshRow(RowSheet& sheet, int row, const RowTarget& target) {
  SheetRow* shown = sheet.Row(row);
  if (shown && shown->source) *shown = BuildRow(*shown->source, target);
}

std::optional<RowEffect> ApplyCellText(RowSheet& sheet, int row, const RowTarget& target, std::string_view text) {
  SheetRow* shown = sheet.Row(row);
  if (!shown || shown->disabled || shown->kind == RowKind::Number || !shown->def.store) return std::nullopt;
  shown->value = std::string(text);
  if (!shown->def.store(target, text)) return std::nullopt;
  if (shown->def.look == CellLook::Color && shown->def.color) shown->color = *shown->def.color(target);
  return shown->def.effect;
}

std::optional<NumberResult> ValidateNumberCell(RowSheet& sheet, int row, const RowTarget& target,
                                               std::string_view text) {
  SheetRow* shown = sheet.Row(row);
  if (!shown || shown->disabled || shown->kind != RowKind::Number || !shown->def.number) return std::nullopt;
  NumberResult result;
  const std::optional<std::int32_t> parsed = ParseIntText(text);
  if (!parsed) {
    result.accepted = false;
    result.message = InvalidValueMessage(text);
  } else {
    const std::int32_t value = ClampToBounds(*parsed, shown->def.bounds);
    if (value != shown->def.number(target) && shown->def.storeNumber && shown->def.storeNumber(target, value))
      result.effect = shown->def.effect;
  }
  result.shown = std::to_string(shown->def.number(target));
  shown->value = result.shown;
  return result;
}

std::vector<std::string> FalseTrueChoices(const RowTarget&) { return FalseTrueList(); }

std::optional<bool> ParseSwitch(std::string_view text) {
  if (text == "True") return true;
  if (text == "False") return false;
  return std::nullopt;
}

std::string TextMark(const std::string& text) { return text.empty() ? "[None]" : "[Text]"; }
std::string SettingsMark(const std::string& settings) { return settings.empty() ? "[None]" : "[Settings]"; }
std::string PictureMark(const Picture& picture) { return "[" + std::string(PictureKindName(picture)) + "]"; }
std::string MenuMark(const std::vector<MenuItemData>& menu) { return menu.empty() ? "[None]" : "[MenuItems]"; }

}  // namespace plexara
