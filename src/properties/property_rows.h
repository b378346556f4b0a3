// The property grid as data: what one row is (key, kind, how its value is shown and stored, what
// an edit changes), the row tables the page and the object kinds are built from, and the built
// sheet that remembers, row by row, which table entry made it. The grid window shows a sheet; the
// appliers find a row by its number in the sheet, never by its key.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "properties/value_formats.h"
#include "storage/page_file.h"
#include "storage/project_file.h"

namespace plexara {

// How the author edits a row.
enum class RowKind : std::uint8_t {
  Text,        // free text, stored as typed
  Number,      // free text, parsed as an integer when the cell is left
  Choice,      // one of the listed values
  OpenChoice,  // a listed value or any typed text
  Dialog,      // changed only through the editor its button opens
  TextDialog,  // typed text, or what the editor its button opens returns
  Locked,      // shown, not editable
};

// How the value cell is drawn.
enum class CellLook : std::uint8_t { Plain, Color, Font, Cursor };

// The icon a row that begins a section carries in the Name column.
enum class SectionIcon : std::uint8_t {
  None, General, Visibility, Comment, Sound, Position, Action, Colors, Shadow, Fade, Effect, TabOrder
};

// What the editor must refresh after a row stored a change.
enum class RowEffect : std::uint8_t {
  None,        // only stored
  Caption,     // the page window's caption
  Surface,     // the object's or page's look: repaint the design surface
  Look,        // the selected object's look: its control is made again from its record, then the
               // surface repaints (a control applies its record when it is made)
  Name,        // the selected object's name: the object selector shows it
  Background,  // the page background is rendered again, then the surface
  Frame,       // the page window's frame: mirrored again on the design surface
  Layout,      // the frame, and the design surface laid out again
  Bounds,      // an object's place or size
  Groups,      // the group list panel is rebuilt
  ActionRows,  // the action kind changed: the rows after it are rebuilt
};

// The editor that a row's button opens.
enum class RowEditor : std::uint8_t {
  None,
  Color,
  Picture,
  Icon,            // the picture editor in icon mode; empty shows "[Default]"
  Text,            // the plain text editor
  Font,            // the platform's font dialog
  FileAll,         // the file picker with the all-files filter
  FileCursor,      // the file picker with the cursor filter
  FilePicture,     // the file picker with the registered picture formats
  Folder,          // the folder picker below the disc folder
  ActionSettings,  // the settings dialog of the action kind
  PopupMenu,       // the menu editor
};

// What a row works on: the page being edited and, when one object is selected, that object.
struct RowTarget {
  PageData& page;
  ObjectData* object = nullptr;
  // The project's page list (for page-name lists and the rename check); may be null.
  const std::vector<TAutoFormInfo>* projectPages = nullptr;

  // The action record the action block shows: the object's own, or the page's start action.
  TCommand& action() const { return object ? object->command : page.command; }
};

// One entry of a row table. Function pointers keep the tables plain data; an entry only fills
// what its kind needs.
struct RowDef {
  std::string_view key;
  RowKind kind = RowKind::Text;
  RowEffect effect = RowEffect::None;
  // The value as shown.
  std::string (*show)(const RowTarget&) = nullptr;
  // Text, choice and dialog rows: stores the cell text; true when the stored value changed. A
  // choice that matches none of the listed values changes nothing.
  bool (*store)(const RowTarget&, std::string_view text) = nullptr;
  // Number rows: the stored number and the store of a parsed, clamped one.
  std::int32_t (*number)(const RowTarget&) = nullptr;
  bool (*storeNumber)(const RowTarget&, std::int32_t) = nullptr;
  NumberBounds bounds{};
  // The pick list (choice and open-choice rows).
  std::vector<std::string> (*choices)(const RowTarget&) = nullptr;
  CellLook look = CellLook::Plain;
  RowEditor editor = RowEditor::None;
  // The value the editor works on (one of these, by the editor).
  ColorRef* (*color)(const RowTarget&) = nullptr;
  Picture* (*picture)(const RowTarget&) = nullptr;
  std::string* (*text)(const RowTarget&) = nullptr;
  FontData* (*font)(const RowTarget&) = nullptr;
  // Rows that do not apply in this state: shown locked, without a list, drawn "Disabled".
  bool (*disabled)(const RowTarget&) = nullptr;
  // The icon of a row that begins a section.
  SectionIcon section = SectionIcon::None;
  // Rows whose whole definition follows the state (the action parameter row): the entry to use.
  RowDef (*resolve)(const RowTarget&) = nullptr;
};

// A row as built: the table entry it came from (resolved) and what the grid shows.
struct SheetRow {
  const RowDef* source = nullptr;  // the table entry (tables live as long as the program)
  RowDef def;                      // that entry, resolved for the state it was built in
  std::string key;
  std::string value;
  RowKind kind = RowKind::Text;  // Locked when the row is disabled
  std::vector<std::string> choices;
  bool disabled = false;
  ColorRef color = 0;  // colour rows: the swatch
  FontData font;       // font rows: the face the cell is drawn in
};

inline constexpr int kNoBlock = 1000;

// The rows of one selection and where the shared blocks start (row numbers count from 1; a block
// that is not shown keeps kNoBlock).
struct RowSheet {
  std::vector<SheetRow> rows;  // rows[0] is row 1
  int positionBlockRow = kNoBlock;
  int actionBlockRow = kNoBlock;
  int soundBlockRow = kNoBlock;
  int commentBlockRow = kNoBlock;
  int visibilityBlockRow = kNoBlock;
  bool groupCheckRows = false;

  int RowCount() const { return static_cast<int>(rows.size()); }
  const SheetRow* Row(int row) const;
  SheetRow* Row(int row);
  // The number the next appended row gets.
  int NextRow() const { return RowCount() + 1; }
};

// Builds the shown state of one table entry (which must outlive the sheet).
SheetRow BuildRow(const RowDef& def, const RowTarget& target);
// Appends the rows of a table (kept for the program's lifetime).
void AppendRows(RowSheet& sheet, std::span<const RowDef> table, const RowTarget& target);
// Rebuilds the shown state of one row from its table entry (resolving it again).
void RefreshRow(RowSheet& sheet, int row, const RowTarget& target);

// Stores the cell text of a text, choice or dialog row: the effect when something changed.
// Number rows store nothing while typed.
std::optional<RowEffect> ApplyCellText(RowSheet& sheet, int row, const RowTarget& target, std::string_view text);

// Leaving a number cell: parses and clamps. `accepted` is false when the text does not parse (the
// caller shows `message`); `shown` is what the cell must show afterwards (the stored value);
// `effect` is set when a changed value was stored.
struct NumberResult {
  bool accepted = true;
  std::string message;
  std::string shown;
  std::optional<RowEffect> effect;
};
std::optional<NumberResult> ValidateNumberCell(RowSheet& sheet, int row, const RowTarget& target,
                                               std::string_view text);

// ---- helpers the row tables share ----
inline const std::vector<std::string>& FalseTrueList() {
  static const std::vector<std::string> list = {"False", "True"};
  return list;
}
std::vector<std::string> FalseTrueChoices(const RowTarget&);
// Matches a switch choice: true/false for "True"/"False", nullopt for anything else.
std::optional<bool> ParseSwitch(std::string_view text);
// "[Text]" when not empty, else "[None]"; "[Settings]"; picture "[Kind]".
std::string TextMark(const std::string& text);
std::string SettingsMark(const std::string& settings);
std::string PictureMark(const Picture& picture);
std::string MenuMark(const std::vector<MenuItemData>& menu);

}  // namespace plexara
