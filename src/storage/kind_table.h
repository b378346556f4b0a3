// The 27 object kinds as one data table (codes, names, classes, what a new object looks like, how
// its control lives on the page), the default names of new objects, and the common record a new
// object starts with. Also small field helpers the kind records share for the on-disk widths the
// field visitor has no call of its own for.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "storage/action_record.h"
#include "storage/font_data.h"
#include "storage/record_fields.h"

namespace plexara {

// Codes as page files store them (the kind byte of an object envelope).
enum class ObjectKind : std::uint8_t {
  Button = 0,
  ImageButton = 1,
  Image = 2,
  Label = 3,
  Link = 4,
  FadeLabel = 5,
  Text = 6,
  ScrollText = 7,
  TextBox = 8,
  RichText = 9,
  AVI = 10,
  Explorer = 11,
  MediaPlayer = 12,
  SlideShow = 13,
  Edit = 14,
  RadioButton = 15,
  CheckBox = 16,
  SimpleText = 17,
  Flash = 18,
  Shape = 19,
  ListBox = 20,
  DropDownList = 21,
  ListView = 22,
  TreeView = 23,
  ShellComboBox = 24,
  ShellTreeView = 25,
  ShellListView = 26,
};
inline constexpr int kObjectKindCount = 27;

// How the size of a new object is found.
enum class KindSizeRule : std::uint8_t {
  Fixed,            // defaultWidth x defaultHeight
  HeightFromFont,   // defaultWidth x defaultHeight, then the height is fitted to the font
  AutoSized,        // the control measures itself; no default size
  OwnRule,          // the kind's own code decides (the slide show); no default size
};

// Pointer events a control reports to its page.
enum KindEventBit : std::uint8_t {
  kEventClick = 1 << 0,
  kEventPress = 1 << 1,
  kEventRelease = 1 << 2,
  kEventEnter = 1 << 3,
  kEventLeave = 1 << 4,
  kEventMove = 1 << 5,
};

struct KindInfo {
  ObjectKind kind;
  std::string_view typeName;   // base of default names, shown in object type lists
  std::string_view className;  // the control class
  // Explorer only: the class used on the design surface outside a test run.
  std::string_view designClassName;
  std::string_view description;
  KindSizeRule sizeRule;
  int defaultWidth;   // 0 unless the rule is Fixed or HeightFromFont
  int defaultHeight;
  // The text a new object gets (caption, single line, ...); nullopt for kinds without one.
  std::optional<std::string_view> newText;
  bool windowed;          // has a window of its own (false: drawn by the page surface)
  bool clickToPage;       // a new object's click is connected to the page's click handler
  bool creatable;         // offered by the editor; FadeLabel objects only come from stored pages
  std::uint8_t events;    // KindEventBit set reported to the page
};

// The table, indexed by code.
std::span<const KindInfo> KindTable();
// The row of a code in 0..26 (the code as stored, without masking); nullptr otherwise.
const KindInfo* FindKind(int code);

// The type name of a stored kind code, looked up on its low seven bits; empty outside 0..26.
std::string_view TypeNameOf(int code);

// The type name followed by the smallest n >= 1 for which no existing name is exactly equal
// (letter case counts): "Button1", "Button2", ...
std::string MakeObjectName(std::span<const std::string> existingNames, int kind);

// The common record of an object the author has just dropped on a page: every default of the
// action record, with the name made by MakeObjectName.
TCommand NewObjectCommand(std::span<const std::string> existingNames, int kind);

// The platform's button-face colour (a system colour: top bit set, index 15 in the low byte),
// the colour a control has until it is given one.
inline constexpr ColorRef kColorSystemButtonFace = static_cast<ColorRef>(0x8000000FU);

// Field helpers for widths the visitor carries through a wider or unsigned slot. The bits on disk
// are exactly the field's own; only the JSON form shows the carrying slot's value.

// The object's bounds within its page, as most kind records store them.
inline void VisitBounds(FieldVisitor& v, std::int32_t& left, std::int32_t& top, std::int32_t& width,
                        std::int32_t& height) {
  v.Int32("Left", left);
  v.Int32("Top", top);
  v.Int32("Width", width);
  v.Int32("Height", height);
}

// An unsigned 16-bit value stored in a 32-bit field; readers keep the low 16 bits, as the control
// property that receives it is 16 bits wide.
inline void UInt16In32Field(FieldVisitor& v, std::string_view name, std::uint16_t& value) {
  std::int32_t bits = value;
  v.Int32(name, bits);
  if (v.reading() && v.ok()) value = static_cast<std::uint16_t>(bits & 0xFFFF);
}

// Enumeration names shared by several kind records.
inline constexpr std::string_view kControlAlignNames[] = {"none", "top", "bottom", "left", "right", "client"};
inline constexpr std::string_view kTextAlignmentNames[] = {"left", "right", "centre"};
inline constexpr std::string_view kTextLayoutNames[] = {"top", "centre", "bottom"};

}  // namespace plexara
