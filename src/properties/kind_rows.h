// The rows the property grid shows first for an object of the button, image, text and shape kinds
// (Button, ImageButton, Image, Label, Link, Text, ScrollText, SimpleText, Shape), the value lists
// those kinds share, and the row makers their tables are written with. FadeLabel has no rows of its
// own. The row numbers follow the order of each table and are binding.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "properties/property_rows.h"
#include "properties/row_fields.h"

namespace plexara {

std::span<const RowDef> ButtonRows();       // 4 rows
std::span<const RowDef> ImageButtonRows();  // 14 rows
std::span<const RowDef> ImageRows();        // 7 rows
std::span<const RowDef> LabelRows();        // 31 rows, the effect block at 9
std::span<const RowDef> LinkRows();         // 57 rows, the effect blocks at 8 and 35
std::span<const RowDef> TextRows();         // 30 rows, the effect block at 8
std::span<const RowDef> ScrollTextRows();   // 35 rows, the effect block at 14
std::span<const RowDef> SimpleTextRows();   // 12 rows
std::span<const RowDef> ShapeRows();        // 9 rows

// The first row of the Link's hot look; its rows carry the prefix "Hot_" before their keys.
inline constexpr int kLinkHotFirstRow = 31;
inline constexpr std::string_view kHotKeyPrefix = "Hot_";

// ---- value lists several kinds offer ----

inline constexpr std::array<std::string_view, 3> kAlignmentNames = {"Left", "Right", "Center"};
inline constexpr std::array<std::uint8_t, 3> kAlignmentCodes = {0, 1, 2};
inline constexpr NamedCodes kAlignments{kAlignmentNames, kAlignmentCodes};

// Listed top to bottom; the stored codes put the centre between them.
inline constexpr std::array<std::string_view, 3> kLayoutNames = {"Top", "Bottom", "Center"};
inline constexpr std::array<std::uint8_t, 3> kLayoutCodes = {0, 2, 1};
inline constexpr NamedCodes kLayouts{kLayoutNames, kLayoutCodes};

inline constexpr std::array<std::string_view, 4> kButtonTypeNames = {"Normal", "OK", "Cancel",
                                                                     "Submit"};
inline constexpr std::array<std::uint8_t, 4> kButtonTypeCodes = {0, 1, 2, 3};
inline constexpr NamedCodes kButtonTypes{kButtonTypeNames, kButtonTypeCodes};

// How the text kinds place their background picture.
inline constexpr std::array<std::string_view, 4> kBackImageStyleNames = {"Tile", "Stretch",
                                                                         "Center", "Normal"};
inline constexpr std::array<std::uint8_t, 4> kBackImageStyleCodes = {0, 1, 2, 3};
inline constexpr NamedCodes kBackImageStyles{kBackImageStyleNames, kBackImageStyleCodes};

// ---- row makers: one line of a kind table each ----
namespace kind_rows {

// "Name" writes the common record's name at every keystroke; the object selector shows it.
constexpr RowDef NameRow() {
  return {.key = "Name",
          .kind = RowKind::Text,
          .effect = RowEffect::Name,
          .show = ShowText<&TCommand::name>,
          .store = StoreText<&TCommand::name>};
}

// Dragging an object with this flag moves its page window; nothing of the object's look changes.
constexpr RowDef WindowMoveHandleRow() {
  return {.key = "WindowMoveHandle",
          .kind = RowKind::Choice,
          .show = ShowSwitch<&TCommand::windowMoveHandle>,
          .store = StoreSwitch<&TCommand::windowMoveHandle>,
          .choices = FalseTrueChoices};
}

// A caption typed in the cell, applied at every keystroke.
template <auto Member>
constexpr RowDef CaptionRow(std::string_view key) {
  return {.key = key,
          .kind = RowKind::Text,
          .effect = RowEffect::Look,
          .show = ShowText<Member>,
          .store = StoreText<Member>};
}

template <auto Member>
constexpr RowDef FontRow(std::string_view key) {
  return {.key = key,
          .kind = RowKind::Dialog,
          .effect = RowEffect::Look,
          .show = ShowFontName<Member>,
          .look = CellLook::Font,
          .editor = RowEditor::Font,
          .font = FontField<Member>};
}

template <auto Member>
constexpr RowDef ColorRow(std::string_view key, SectionIcon section = SectionIcon::None) {
  return {.key = key,
          .kind = RowKind::Dialog,
          .effect = RowEffect::Look,
          .show = ShowColor<Member>,
          .look = CellLook::Color,
          .editor = RowEditor::Color,
          .color = ColorField<Member>,
          .section = section};
}

template <auto Member>
constexpr RowDef PictureRow(std::string_view key) {
  return {.key = key,
          .kind = RowKind::Dialog,
          .effect = RowEffect::Look,
          .show = ShowPicture<Member>,
          .editor = RowEditor::Picture,
          .picture = PictureField<Member>};
}

// An object's multi-line text, edited in the text editor and shown "[Text]" or "[None]".
template <auto Member>
std::string ShowTextMark(const RowTarget& target) {
  return TextMark(FieldOf(target, Member));
}
template <auto Member>
constexpr RowDef TextDialogRow(std::string_view key) {
  return {.key = key,
          .kind = RowKind::Dialog,
          .effect = RowEffect::Look,
          .show = ShowTextMark<Member>,
          .editor = RowEditor::Text,
          .text = TextField<Member>};
}

template <auto Member>
constexpr RowDef SwitchRow(std::string_view key, RowEffect effect = RowEffect::Look) {
  return {.key = key,
          .kind = RowKind::Choice,
          .effect = effect,
          .show = ShowSwitch<Member>,
          .store = StoreSwitch<Member>,
          .choices = FalseTrueChoices};
}

template <auto Member, const auto& Codes>
constexpr RowDef CodeRow(std::string_view key, RowEffect effect = RowEffect::Look) {
  return {.key = key,
          .kind = RowKind::Choice,
          .effect = effect,
          .show = ShowCode<Member, Codes>,
          .store = StoreCode<Member, Codes>,
          .choices = CodeChoices<Codes>};
}

template <auto Member>
constexpr RowDef NumberRow(std::string_view key, NumberBounds bounds,
                           RowEffect effect = RowEffect::Look) {
  return {.key = key,
          .kind = RowKind::Number,
          .effect = effect,
          .number = Number<Member>,
          .storeNumber = StoreNumber<Member>,
          .bounds = bounds};
}

inline constexpr NumberBounds kNotNegative{.minimum = 0};
// "Any integer" in a 16-bit field: the field's own range, so a typed number is never cut to
// garbage.
inline constexpr NumberBounds kInt16Range{.minimum = -32768, .maximum = 32767};
inline constexpr NumberBounds kUint16Range{.minimum = 0, .maximum = 65535};

// Joins table pieces into one table (the effect blocks are made, not written out).
template <std::size_t... N>
std::array<RowDef, (N + ...)> JoinRows(const std::array<RowDef, N>&... parts) {
  std::array<RowDef, (N + ...)> rows{};
  std::size_t at = 0;
  ((std::copy(parts.begin(), parts.end(), rows.begin() + static_cast<std::ptrdiff_t>(at)), at += N),
   ...);
  return rows;
}

}  // namespace kind_rows
}  // namespace plexara
