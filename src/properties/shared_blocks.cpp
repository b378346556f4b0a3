#include "properties/shared_blocks.h"

#include <array>
#include <string>
#include <vector>

#include "objects/object_bounds.h"
#include "properties/action_block.h"
#include "properties/kind_rows.h"
#include "properties/page_name_lists.h"
#include "properties/page_rows.h"
#include "properties/row_fields.h"

namespace plexara {
namespace {

bool Always(const RowTarget&) { return true; }

// ---- visibility ----

std::vector<std::string> GroupChoices(const RowTarget& t) { return GroupNames(t.page); }

const std::array<RowDef, 5> kVisibilityRows = {{
    {.key = "Visible", .kind = RowKind::Choice, .show = ShowSwitch<&TCommand::visible>,
     .store = StoreTrueOnly<&TCommand::visible>, .choices = FalseTrueChoices, .section = SectionIcon::Visibility},
    {.key = "Enabled", .kind = RowKind::Choice, .show = ShowSwitch<&TCommand::enabled>,
     .store = StoreTrueOnly<&TCommand::enabled>, .choices = FalseTrueChoices},
    {.key = "GroupName", .kind = RowKind::OpenChoice, .effect = RowEffect::Groups,
     .show = ShowText<&TCommand::groupName>, .store = StoreText<&TCommand::groupName>, .choices = GroupChoices},
    {.key = "CheckStyleInGroup", .kind = RowKind::Choice, .show = ShowSwitch<&TCommand::checkStyleInGroup>,
     .store = StoreTrueOnly<&TCommand::checkStyleInGroup>, .choices = FalseTrueChoices},
    {.key = "Checked", .kind = RowKind::Choice, .effect = RowEffect::Surface, .show = ShowSwitch<&TCommand::checked>,
     .store = StoreTrueOnly<&TCommand::checked>, .choices = FalseTrueChoices},
}};

// ---- comment ----

std::string ShowObjectHint(const RowTarget& t) { return HintOf(t.object->record); }
bool StoreObjectHint(const RowTarget& t, std::string_view text) {
  return StoreIfChanged(HintOf(t.object->record), std::string(text));
}
std::string ShowComment(const RowTarget& t) { return TextMark(t.action().comment); }
std::vector<std::string> TextViewerChoices(const RowTarget& t) {
  return ObjectNamesOfKinds(t.page, {ObjectKind::Label, ObjectKind::Text, ObjectKind::ScrollText, ObjectKind::TextBox,
                                     ObjectKind::SimpleText});
}
std::vector<std::string> ImageViewerChoices(const RowTarget& t) { return ObjectNamesOfKinds(t.page, {ObjectKind::Image}); }
std::string ShowGraphicComment(const RowTarget& t) { return PictureMark(t.object->graphicComment); }
Picture* GraphicCommentField(const RowTarget& t) { return &t.object->graphicComment; }
std::string ShowObjectMenu(const RowTarget& t) { return MenuMark(t.object->popupMenu); }
std::string ShowPageMenu(const RowTarget& t) { return MenuMark(t.page.popupMenu); }

constexpr RowDef CursorRow() {
  return {.key = "Cursor", .kind = RowKind::TextDialog, .show = ShowText<&TCommand::cursor>,
          .store = StoreText<&TCommand::cursor>, .look = CellLook::Cursor, .editor = RowEditor::FileCursor,
          .section = SectionIcon::Comment};
}

const std::array<RowDef, 7> kObjectCommentRows = {{
    CursorRow(),
    {.key = "Hint", .kind = RowKind::Text, .show = ShowObjectHint, .store = StoreObjectHint},
    {.key = "Comment", .kind = RowKind::Dialog, .show = ShowComment, .editor = RowEditor::Text,
     .text = TextField<&TCommand::comment>},
    {.key = "CommentViewer", .kind = RowKind::Choice, .show = ShowText<&TCommand::commentViewer>,
     .store = StoreText<&TCommand::commentViewer>, .choices = TextViewerChoices},
    {.key = "GraphicComment", .kind = RowKind::Dialog, .show = ShowGraphicComment, .editor = RowEditor::Picture,
     .picture = GraphicCommentField},
    {.key = "GraphicCommentViewer", .kind = RowKind::Choice, .show = ShowText<&TCommand::graphicCommentViewer>,
     .store = StoreText<&TCommand::graphicCommentViewer>, .choices = ImageViewerChoices},
    {.key = "PopupMenu (Right Click)", .kind = RowKind::Dialog, .show = ShowObjectMenu, .editor = RowEditor::PopupMenu},
}};

const std::array<RowDef, 7> kPageCommentRows = {{
    CursorRow(),
    {.key = "Hint", .kind = RowKind::Text, .show = ShowText<&PageData::hint>, .store = StoreText<&PageData::hint>},
    {.key = "Comment", .kind = RowKind::Locked, .disabled = Always},
    {.key = "CommentViewer", .kind = RowKind::Locked, .disabled = Always},
    {.key = "GraphicComment", .kind = RowKind::Locked, .disabled = Always},
    {.key = "GraphicCommentViewer", .kind = RowKind::Locked, .disabled = Always},
    {.key = "PopupMenu (Right Click)", .kind = RowKind::Dialog, .show = ShowPageMenu, .editor = RowEditor::PopupMenu},
}};

// ---- sound ----

template <auto Member>
constexpr RowDef SoundRow(std::string_view key, SectionIcon section = SectionIcon::None) {
  return {.key = key, .kind = RowKind::TextDialog, .show = ShowText<Member>, .store = StoreText<Member>,
          .editor = RowEditor::FileAll, .section = section};
}

const std::array<RowDef, 5> kObjectSoundRows = {{
    SoundRow<&TCommand::clickSound>("ClickSound", SectionIcon::Sound),
    SoundRow<&TCommand::mouseEnterSound>("MouseEnterSound"),
    SoundRow<&TCommand::mouseLeaveSound>("MouseLeaveSound"),
    SoundRow<&TCommand::mouseDownSound>("MouseDownSound"),
    SoundRow<&TCommand::mouseUpSound>("MouseUpSound"),
}};

const std::array<RowDef, 3> kPageSoundRows = {{
    SoundRow<&PageData::startSound>("StartSound", SectionIcon::Sound),
    {.key = "StartSoundLoop", .kind = RowKind::Choice, .show = ShowSwitch<&PageData::startSoundLoop>,
     .store = StoreSwitch<&PageData::startSoundLoop>, .choices = FalseTrueChoices},
    {.key = "StartSoundDelay (s)", .kind = RowKind::Number, .number = Number<&PageData::startSoundDelay>,
     .storeNumber = StoreNumber<&PageData::startSoundDelay>, .bounds = {.minimum = 0}},
}};

// ---- position ----

template <std::int32_t ObjectBounds::*Member>
std::int32_t BoundsNumber(const RowTarget& t) {
  return BoundsOf(t.object->record).*Member;
}
template <std::int32_t ObjectBounds::*Member>
bool StoreBoundsNumber(const RowTarget& t, std::int32_t value) {
  ObjectBounds bounds = BoundsOf(t.object->record);
  if (!StoreIfChanged(bounds.*Member, value)) return false;
  SetBounds(t.object->record, bounds);
  return true;
}

template <std::int32_t ObjectBounds::*Member>
constexpr RowDef BoundsRow(std::string_view key, NumberBounds limits, SectionIcon section = SectionIcon::None) {
  return {.key = key, .kind = RowKind::Number, .effect = RowEffect::Bounds, .number = BoundsNumber<Member>,
          .storeNumber = StoreBoundsNumber<Member>, .bounds = limits, .section = section};
}

const std::array<RowDef, 4> kObjectPositionRows = {{
    BoundsRow<&ObjectBounds::left>("Left", {}, SectionIcon::Position),
    BoundsRow<&ObjectBounds::top>("Top", {}),
    BoundsRow<&ObjectBounds::width>("Width", {.minimum = 2}),
    BoundsRow<&ObjectBounds::height>("Height", {.minimum = 2}),
}};

const std::array<RowDef, 4> kPagePositionRows = {{
    {.key = "Left", .kind = RowKind::Locked, .show = [](const RowTarget& t) { return std::to_string(t.page.left); },
     .disabled = Always, .section = SectionIcon::Position},
    {.key = "Top", .kind = RowKind::Locked, .show = [](const RowTarget& t) { return std::to_string(t.page.top); },
     .disabled = Always},
    {.key = "Width", .kind = RowKind::Number, .effect = RowEffect::Layout, .number = Number<&PageData::width>,
     .storeNumber = StoreNumber<&PageData::width>, .bounds = {.minimum = 2}},
    {.key = "Height", .kind = RowKind::Number, .effect = RowEffect::Layout, .number = Number<&PageData::height>,
     .storeNumber = StoreNumber<&PageData::height>, .bounds = {.minimum = 2}},
}};

// Kinds whose blocks stop at the position block, and kinds without an action block.
bool PositionOnly(int kind) {
  return kind == static_cast<int>(ObjectKind::AVI) || kind == static_cast<int>(ObjectKind::Explorer) ||
         kind == static_cast<int>(ObjectKind::Flash);
}
bool WithoutAction(int kind) {
  return kind >= static_cast<int>(ObjectKind::ListBox) && kind <= static_cast<int>(ObjectKind::ShellListView);
}

int Append(RowSheet& sheet, std::span<const RowDef> rows, const RowTarget& target) {
  const int start = sheet.NextRow();
  AppendRows(sheet, rows, target);
  return start;
}

}  // namespace

std::span<const RowDef> VisibilityRows(bool groupCheckRows) {
  return std::span<const RowDef>(kVisibilityRows).first(groupCheckRows ? 5 : 3);
}

bool HasGroupCheckRows(int kind) {
  return kind == static_cast<int>(ObjectKind::Button) || kind == static_cast<int>(ObjectKind::ImageButton) ||
         kind == static_cast<int>(ObjectKind::Image) || kind == static_cast<int>(ObjectKind::SimpleText);
}

std::span<const RowDef> ObjectCommentRows() { return kObjectCommentRows; }
std::span<const RowDef> PageCommentRows() { return kPageCommentRows; }
std::span<const RowDef> ObjectSoundRows() { return kObjectSoundRows; }
std::span<const RowDef> PageSoundRows() { return kPageSoundRows; }
std::span<const RowDef> ObjectPositionRows() { return kObjectPositionRows; }
std::span<const RowDef> PagePositionRows() { return kPagePositionRows; }

// The kinds with rows of their own; FadeLabel has none and shows only the shared blocks.
struct OwnRows {
  ObjectKind kind;
  std::span<const RowDef> (*rows)();
};
constexpr std::array<OwnRows, 9> kKindTables = {{
    {ObjectKind::Button, ButtonRows},
    {ObjectKind::ImageButton, ImageButtonRows},
    {ObjectKind::Image, ImageRows},
    {ObjectKind::Label, LabelRows},
    {ObjectKind::Link, LinkRows},
    {ObjectKind::Text, TextRows},
    {ObjectKind::ScrollText, ScrollTextRows},
    {ObjectKind::SimpleText, SimpleTextRows},
    {ObjectKind::Shape, ShapeRows},
}};

std::span<const RowDef> KindRows(int kind) {
  for (const OwnRows& table : kKindTables)
    if (static_cast<int>(table.kind) == kind) return table.rows();
  return {};
}

RowSheet BuildRowSheet(const RowTarget& target) {
  RowSheet sheet;
  if (!target.object) {
    AppendRows(sheet, PageRows(), target);
    sheet.commentBlockRow = Append(sheet, PageCommentRows(), target);
    sheet.soundBlockRow = Append(sheet, PageSoundRows(), target);
    sheet.positionBlockRow = Append(sheet, PagePositionRows(), target);
    sheet.actionBlockRow = Append(sheet, PageActionRows(), target);
    return sheet;
  }
  const int kind = target.object->kind();
  AppendRows(sheet, KindRows(kind), target);
  sheet.groupCheckRows = HasGroupCheckRows(kind);
  sheet.visibilityBlockRow = Append(sheet, VisibilityRows(sheet.groupCheckRows), target);
  if (PositionOnly(kind)) {
    sheet.positionBlockRow = Append(sheet, ObjectPositionRows(), target);
    return sheet;
  }
  sheet.commentBlockRow = Append(sheet, ObjectCommentRows(), target);
  sheet.soundBlockRow = Append(sheet, ObjectSoundRows(), target);
  sheet.positionBlockRow = Append(sheet, ObjectPositionRows(), target);
  if (!WithoutAction(kind)) sheet.actionBlockRow = Append(sheet, ObjectActionRows(), target);
  return sheet;
}

}  // namespace plexara
