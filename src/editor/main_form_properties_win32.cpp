// The property panel of the main window: ShowProperties builds the grid for the selection from the
// row tables, and the grid's events store typed, picked and edited values into the live page or
// object, then refresh whatever shows them.
#include "editor/main_form_win32.h"

#include <commctrl.h>

#include "editor/project_lifecycle.h"
#include "platform/shell_seam.h"
#include "properties/action_dialogs_win32.h"
#include "properties/color_editor_win32.h"
#include "properties/file_filters.h"
#include "properties/file_picker_win32.h"
#include "properties/folder_picker_win32.h"
#include "properties/font_editor_win32.h"
#include "properties/menu_editor_win32.h"
#include "properties/page_name_lists.h"
#include "properties/page_rows.h"
#include "properties/picture_editor_win32.h"
#include "properties/property_cell_draw_win32.h"
#include "properties/shared_blocks.h"
#include "properties/text_editor_win32.h"

namespace plexara {
namespace {

// Holds GridBuilding for a scope and gives back the value it had.
class BuildingScope {
 public:
  explicit BuildingScope(bool& flag) : flag_(flag), previous_(std::exchange(flag, true)) {}
  ~BuildingScope() { flag_ = previous_; }
  BuildingScope(const BuildingScope&) = delete;
  BuildingScope& operator=(const BuildingScope&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

std::string_view FilterOf(RowEditor editor) {
  switch (editor) {
    case RowEditor::FileCursor: return kCursorFilter;
    case RowEditor::FilePicture: return PictureFileFilter();
    default: return kAllFilesFilter;
  }
}

}  // namespace

std::optional<RowTarget> TMainForm::SelectedTarget() {
  if (!workingPage_) return std::nullopt;
  PageData& page = workingPage_->page();
  const int index = selector_.index();
  if (index == 0) return RowTarget{page, nullptr, &document_.pages};
  if (index > 0 && index <= static_cast<int>(page.objects.size()))
    return RowTarget{page, &page.objects[static_cast<std::size_t>(index - 1)], &document_.pages};
  return std::nullopt;
}

void TMainForm::ShowProperties() {
  const int keptRow = grid_.Row();
  const bool wasShown = gridShown_;
  {
    BuildingScope building(gridBuilding_);
    // The grid is not painted while it is rebuilt (the update hold), so it never flickers; it is
    // hidden only when no single selection is left to show.
    grid_.BeginUpdate();
    gridShown_ = false;
    grid_.Clear();
    sheet_ = RowSheet{};
    if (const std::optional<RowTarget> target = SelectedTarget()) {
      sheet_ = BuildRowSheet(*target);
      for (const SheetRow& shown : sheet_.rows) grid_.AppendRow(shown.key, shown.value);
      for (int row = 1; row <= sheet_.RowCount(); ++row) WriteRowStyle(row);
      grid_.FitKeyColumn(kKeyIndent);
      if (keptRow <= sheet_.RowCount()) grid_.SetRow(keptRow);
      gridShown_ = true;
    }
    grid_.EndUpdate();
  }
  const int index = selector_.index();
  const int count = selector_.count();
  std::string status;
  if (index == 0 && workingPage_) {
    status = PagePropertiesText(workingPage_->page().pageKind);
  } else if (index > 0) {
    status = ObjectPropertiesText(index, count - 1);
  } else if (count > 0 && SelectedCount() > 1) {
    status = std::string(kMultiSelectedText);
  }
  SetStatusText(0, status);
  if (gridShown_ != wasShown) LayOut();
  if (gridShown_) UpdateWindow(grid_.hwnd());
}

void TMainForm::WriteRowStyle(int row) {
  const SheetRow* shown = sheet_.Row(row);
  if (!shown) return;
  EditStyle style = EditStyle::Simple;
  bool readOnly = false;
  switch (shown->kind) {
    case RowKind::Text:
    case RowKind::Number: break;
    case RowKind::Choice: style = EditStyle::PickList; readOnly = true; break;
    case RowKind::OpenChoice: style = EditStyle::PickList; break;
    case RowKind::Dialog: style = EditStyle::Ellipsis; readOnly = true; break;
    case RowKind::TextDialog: style = EditStyle::Ellipsis; break;
    case RowKind::Locked: readOnly = true; break;
  }
  grid_.SetStyle(row, style);
  grid_.SetReadOnly(row, readOnly);
  grid_.SetPickList(row, shown->choices);
}

// Rewrites a row from its table entry: key, value, editing.
void TMainForm::RewriteRow(int row, const RowTarget& target) {
  BuildingScope building(gridBuilding_);
  RefreshRow(sheet_, row, target);
  const SheetRow* shown = sheet_.Row(row);
  if (!shown) return;
  grid_.SetKey(row, shown->key);
  grid_.SetValue(row, shown->value);
  WriteRowStyle(row);
  grid_.InvalidateRow(row);
}

void TMainForm::WriteCell(int row, const std::string& value) {
  BuildingScope building(gridBuilding_);
  if (SheetRow* shown = sheet_.Row(row)) shown->value = value;
  grid_.SetValue(row, value);
}

void TMainForm::ApplyRowEffect(RowEffect effect, int row, const RowTarget& target) {
  PageData& page = workingPage_->page();
  switch (effect) {
    case RowEffect::None: return;
    case RowEffect::Caption:
      SetWindowTextA(workingPage_->hwnd(), page.caption.c_str());
      SetWindowTextA(designWindow_.hwnd(), page.caption.c_str());
      return;
    case RowEffect::Surface:
      workingPage_->InvalidateContentPictures();
      designWindow_.RefreshDesignSurface();
      return;
    case RowEffect::Look: {
      const int index = selector_.index();
      if (index > 0) workingPage_->ObjectRecordChanged(static_cast<std::size_t>(index - 1));
      designWindow_.RefreshDesignSurface();
      // A control may size itself from what changed (an auto-sized label measures its text as it
      // is drawn): the position rows show what it took.
      if (sheet_.positionBlockRow != kNoBlock)
        for (int offset = 0; offset < 4; ++offset) RewriteRow(sheet_.positionBlockRow + offset, target);
      return;
    }
    case RowEffect::Name:
      if (target.object) selector_.Rename(selector_.index(), target.object->command.name);
      return;
    case RowEffect::Background:
      workingPage_->RedrawBackground();
      designWindow_.RefreshDesignSurface();
      return;
    case RowEffect::Frame:
    case RowEffect::Layout: MirrorPageFrame(); return;
    case RowEffect::Bounds: {
      const std::vector<ObjectControl*> controls = workingPage_->Controls();
      const int index = selector_.index();
      if (index > 0 && index <= static_cast<int>(controls.size()))
        workingPage_->ObjectBoundsChanged(*controls[static_cast<std::size_t>(index - 1)]);
      // The control may have kept another size: the cell shows what it has.
      RewriteRow(row, target);
      designWindow_.RefreshDesignSurface();
      return;
    }
    case RowEffect::Groups:
      RebuildGroupList();
      grid_.SetPickList(row, GroupNames(page));
      return;
    case RowEffect::ActionRows:
      RewriteRow(sheet_.actionBlockRow + 1, target);
      RewriteRow(sheet_.actionBlockRow + 2, target);
      return;
  }
}

void TMainForm::ValueEditStringsChange(int row) {
  if (gridBuilding_) return;
  const std::optional<RowTarget> target = SelectedTarget();
  if (!target) return;
  const std::optional<RowEffect> effect = ApplyCellText(sheet_, row, *target, grid_.Value(row));
  if (!effect) return;
  MarkModified(true);
  ApplyRowEffect(*effect, row, *target);
}

void TMainForm::ValueEditValidate(int column, int row) {
  if (gridBuilding_ || validating_ || column != 1) return;
  const std::optional<RowTarget> target = SelectedTarget();
  if (!target) return;
  // The message box below takes the focus from the grid, which must not validate again meanwhile.
  BuildingScope validating(validating_);
  if (!target->object && row == 1) {
    RenamePage(grid_.Value(row));
    return;
  }
  const std::optional<NumberResult> result = ValidateNumberCell(sheet_, row, *target, grid_.Value(row));
  if (!result) return;
  if (!result->accepted) {
    editAccepted_ = false;
    ShowInformationBox(CurrentMessageBoxes(), result->message, "Information", hwnd());
  }
  WriteCell(row, result->shown);
  if (result->effect) {
    MarkModified(true);
    ApplyRowEffect(*result->effect, row, *target);
  }
}

void TMainForm::ValueEditExit() { ValueEditValidate(grid_.Col(), grid_.Row()); }

void TMainForm::RenamePage(const std::string& text) {
  PageData& page = workingPage_->page();
  const std::string current = page.pageName;
  const PageRenameCheck check = CheckPageRename(document_.pages, current, text);
  switch (check.outcome) {
    case PageRenameOutcome::Unchanged: return;
    case PageRenameOutcome::Duplicate:
    case PageRenameOutcome::NotAFileName:
      WriteCell(1, current);
      editAccepted_ = false;
      ShowInformationBox(CurrentMessageBoxes(), check.message, "Information", hwnd());
      return;
    case PageRenameOutcome::Rename: break;
  }
  page.pageName = text;
  DeleteFileA(TempCopyPath(context_.exeFolder, current).c_str());
  if (document_.currentPage >= 0 && document_.currentPage < static_cast<int>(document_.pages.size())) {
    document_.pages[static_cast<std::size_t>(document_.currentPage)].name = text;
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    TabCtrl_SetItem(tabs_, document_.currentPage, &item);
  }
  if (SheetRow* shown = sheet_.Row(1)) shown->value = text;
  MarkModified(true);
  // The selector is refilled once the grid has finished with this cell.
  PostMessageA(hwnd(), kRefillSelectorMessage, 0, 0);
  designWindow_.RefreshDesignSurface();
}

void TMainForm::ValueEditEditButtonClick(int row) {
  const std::optional<RowTarget> target = SelectedTarget();
  SheetRow* shown = sheet_.Row(row);
  if (!target || !shown || shown->disabled) return;
  const RowDef& def = shown->def;
  switch (def.editor) {
    case RowEditor::Color: {
      ColorRef color = *def.color(*target);
      if (!EditColor(hwnd(), color)) return;
      *def.color(*target) = color;
      shown->color = color;
      break;
    }
    case RowEditor::Picture:
    case RowEditor::Icon: {
      Picture picture = *def.picture(*target);
      if (!EditPicture(hwnd(), picture, def.editor == RowEditor::Icon)) return;
      *def.picture(*target) = std::move(picture);
      break;
    }
    case RowEditor::Text: {
      std::string text = *def.text(*target);
      if (!EditText(hwnd(), text)) return;
      *def.text(*target) = std::move(text);
      break;
    }
    case RowEditor::Font: {
      FontData font = *def.font(*target);
      if (!EditFont(hwnd(), font)) return;
      *def.font(*target) = font;
      shown->font = font;
      break;
    }
    case RowEditor::ActionSettings: {
      std::string settings = *def.text(*target);
      if (!EditActionSettings(hwnd(), DialogContext(), target->action().actionKind, settings)) return;
      *def.text(*target) = std::move(settings);
      break;
    }
    case RowEditor::PopupMenu: {
      std::vector<MenuItemData>& menu = target->object ? target->object->popupMenu : target->page.popupMenu;
      std::vector<MenuItemData> edited = menu;
      if (!EditMenu(hwnd(), DialogContext(), edited)) return;
      menu = std::move(edited);
      MenusChanged();
      break;
    }
    case RowEditor::FileAll:
    case RowEditor::FileCursor:
    case RowEditor::FilePicture:
    case RowEditor::Folder: {
      // The chosen path goes into the cell, which stores it as if typed.
      std::string value = grid_.Value(row);
      const bool picked = def.editor == RowEditor::Folder
                              ? PickFolder(hwnd(), document_.projectFolder, "", value)
                              : PickFile(hwnd(), document_.projectFolder, FilterOf(def.editor), value);
      if (picked) grid_.SetValue(row, value);
      return;
    }
    case RowEditor::None: return;
  }
  WriteCell(row, def.show ? def.show(*target) : std::string());
  MarkModified(true);
  ApplyRowEffect(def.effect, row, *target);
  designWindow_.RefreshDesignSurface();
}

ActionDialogContext TMainForm::DialogContext() const {
  ActionDialogContext context;
  if (workingPage_) context.page = &workingPage_->page();
  context.projectPages = &document_.pages;
  context.discFolder = document_.projectFolder;
  return context;
}

void TMainForm::MirrorPageFrame() {
  workingPage_->ApplyPageFrame();
  designWindow_.CopyPageAppearance(menuBarHeight_);
  PlaceDesignWindow();
  DesignAreaChanged();
}

void TMainForm::MenusChanged() {
  workingPage_->MenusChanged();
  // A menu bar that came or went changes the page window's client: the frame is mirrored again.
  MirrorPageFrame();
}

void TMainForm::EditPageMenuBar() {
  if (!workingPage_ || !CommitPendingEdit()) return;
  std::vector<MenuItemData> menu = workingPage_->page().menuBar;
  if (!EditMenu(hwnd(), DialogContext(), menu)) return;
  workingPage_->page().menuBar = std::move(menu);
  MarkModified(true);
  MenusChanged();
}

bool TMainForm::ValueEditDrawCell(HDC dc, int column, int row, const RECT& cell, bool current) {
  CellPaint paint;
  paint.column = column;
  paint.row = row;
  paint.cell = cell;
  paint.current = current;
  paint.shown = row > 0 ? sheet_.Row(row) : nullptr;
  paint.font = reinterpret_cast<HFONT>(SendMessageA(grid_.hwnd(), WM_GETFONT, 0, 0));
  PaintPropertyCell(dc, paint);
  return true;
}

bool TMainForm::GridHasFocus() const {
  HWND focus = GetFocus();
  return focus && (focus == grid_.hwnd() || IsChild(grid_.hwnd(), focus));
}

}  // namespace plexara
