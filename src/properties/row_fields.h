// Building blocks of the row tables: how a row reads and stores one field of the page, of its
// action record, of the selected object's action record or of the selected object's kind record.
// A table entry names the field once (as a member pointer) and gets its show and store functions
// from these templates, so a row is one line of data rather than code of its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "properties/property_rows.h"
#include "storage/kind_records.h"

namespace plexara {

// The field a member pointer names: a page field, or a field of the action record in force (the
// selected object's, else the page's).
template <class M>
M& FieldOf(const RowTarget& target, M PageData::*member) {
  return target.page.*member;
}
template <class M>
M& FieldOf(const RowTarget& target, M TCommand::*member) {
  return target.action().*member;
}

// A kind record, or a record a kind record is made from (a Link is a Label with a hot look).
template <class Record, class Variant>
struct IsPartOfHeld;
template <class Record, class... Held>
struct IsPartOfHeld<Record, std::variant<Held...>> : std::bool_constant<(std::is_base_of_v<Record, Held> || ...)> {};
template <class Record>
concept KindRecordPart = IsPartOfHeld<Record, KindRecord>::value;

// The selected object's kind record seen as Record: a Label's fields are found in a Link object
// too, so the Link's table reuses the Label's field names.
template <KindRecordPart Record>
Record& KindRecordOf(const RowTarget& target) {
  Record* found = std::visit(
      [](auto& held) -> Record* {
        if constexpr (std::is_base_of_v<Record, std::remove_cvref_t<decltype(held)>>) return &held;
        else return nullptr;
      },
      target.object->record);
  // A kind's table is only built for objects of that kind; std::get reports any other use.
  return found ? *found : std::get<Record>(target.object->record);
}
template <class M, KindRecordPart Record>
M& FieldOf(const RowTarget& target, M Record::*member) {
  return KindRecordOf<Record>(target).*member;
}

// Stores value into field; true when it changed.
template <class T, class V>
bool StoreIfChanged(T& field, const V& value) {
  if (field == static_cast<T>(value)) return false;
  field = static_cast<T>(value);
  return true;
}

template <auto Member>
std::string ShowText(const RowTarget& target) {
  return FieldOf(target, Member);
}
template <auto Member>
bool StoreText(const RowTarget& target, std::string_view text) {
  return StoreIfChanged(FieldOf(target, Member), std::string(text));
}

template <auto Member>
std::string ShowSwitch(const RowTarget& target) {
  return std::string(BoolText(FieldOf(target, Member)));
}
// A choice of "False"/"True": other text changes nothing.
template <auto Member>
bool StoreSwitch(const RowTarget& target, std::string_view text) {
  const std::optional<bool> value = ParseSwitch(text);
  return value && StoreIfChanged(FieldOf(target, Member), *value);
}
// A switch where any text other than "True" means false.
template <auto Member>
bool StoreTrueOnly(const RowTarget& target, std::string_view text) {
  return StoreIfChanged(FieldOf(target, Member), text == "True");
}

template <auto Member>
std::int32_t Number(const RowTarget& target) {
  return static_cast<std::int32_t>(FieldOf(target, Member));
}
template <auto Member>
bool StoreNumber(const RowTarget& target, std::int32_t value) {
  return StoreIfChanged(FieldOf(target, Member), value);
}

// A percentage held as a byte 0..255.
template <auto Member>
std::int32_t Percent(const RowTarget& target) {
  return PercentFromByte(static_cast<int>(FieldOf(target, Member)));
}
template <auto Member>
bool StorePercent(const RowTarget& target, std::int32_t percent) {
  return StoreIfChanged(FieldOf(target, Member), ByteFromPercent(percent));
}

template <auto Member>
std::string ShowColor(const RowTarget& target) {
  return ColorName(FieldOf(target, Member));
}
template <auto Member>
ColorRef* ColorField(const RowTarget& target) {
  return &FieldOf(target, Member);
}

template <auto Member>
std::string ShowPicture(const RowTarget& target) {
  return PictureMark(FieldOf(target, Member));
}
template <auto Member>
Picture* PictureField(const RowTarget& target) {
  return &FieldOf(target, Member);
}

template <auto Member>
std::string* TextField(const RowTarget& target) {
  return &FieldOf(target, Member);
}

// A font row shows the face name; the font dialog works on the whole font.
template <auto Member>
std::string ShowFontName(const RowTarget& target) {
  return FieldOf(target, Member).name;
}
template <auto Member>
FontData* FontField(const RowTarget& target) {
  return &FieldOf(target, Member);
}

// A choice among named codes: names[i] stands for codes[i] (the list order need not be the code
// order).
template <class Code>
struct NamedCodesOf {
  std::span<const std::string_view> names;
  std::span<const Code> codes;

  std::string NameOf(std::int64_t code) const {
    for (std::size_t i = 0; i < codes.size(); ++i)
      if (codes[i] == code) return std::string(names[i]);
    return {};
  }
  std::optional<Code> CodeOf(std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i)
      if (names[i] == name) return codes[i];
    return std::nullopt;
  }
  std::vector<std::string> List() const { return {names.begin(), names.end()}; }
};
using NamedCodes = NamedCodesOf<std::uint8_t>;
// Codes wider than a byte (shape outlines, fill styles).
using NamedIntCodes = NamedCodesOf<std::int32_t>;

template <auto Member, const auto& Codes>
std::string ShowCode(const RowTarget& target) {
  return Codes.NameOf(FieldOf(target, Member));
}
template <auto Member, const auto& Codes>
bool StoreCode(const RowTarget& target, std::string_view text) {
  const auto code = Codes.CodeOf(text);
  return code && StoreIfChanged(FieldOf(target, Member), *code);
}
template <const auto& Codes>
std::vector<std::string> CodeChoices(const RowTarget&) {
  return Codes.List();
}

}  // namespace plexara
