// The main window's Edit commands (align, order, clipboard, delete, clear, select all, visibility
// in groups), the object selector and the group list. The arithmetic and the list changes are the
// portable edit commands; this file applies them to the working page and refreshes what shows it.
#include "editor/main_form_win32.h"

#include <commctrl.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "editor/clipboard_block.h"
#include "editor/edit_commands.h"
#include "properties/select_groups_dialog_win32.h"
#include "storage/kind_table.h"

namespace plexara {
namespace {

std::optional<AlignMode> AlignOf(EditorCommand command) {
  switch (command) {
    case EditorCommand::AlignLeft: return AlignMode::Left;
    case EditorCommand::AlignCenter: return AlignMode::Center;
    case EditorCommand::AlignRight: return AlignMode::Right;
    case EditorCommand::AlignTop: return AlignMode::Top;
    case EditorCommand::AlignMiddle: return AlignMode::Middle;
    case EditorCommand::AlignBottom: return AlignMode::Bottom;
    default: return std::nullopt;
  }
}

}  // namespace

int TMainForm::SelectedCount() const {
  return workingPage_ ? static_cast<int>(plexara::SelectedCount(workingPage_->page())) : 0;
}

bool TMainForm::EditCommandEnabled(EditorCommand command) const {
  const int selected = SelectedCount();
  switch (command) {
    case EditorCommand::BringToFront:
    case EditorCommand::SendToBack:
      return selected == 1;
    case EditorCommand::Delete:
    case EditorCommand::Copy:
    case EditorCommand::Duplicate:
    case EditorCommand::AlignToGrid:
      return selected >= 1;
    case EditorCommand::AlignLeft:
    case EditorCommand::AlignCenter:
    case EditorCommand::AlignRight:
    case EditorCommand::AlignTop:
    case EditorCommand::AlignMiddle:
    case EditorCommand::AlignBottom:
      return selected >= 2;
    case EditorCommand::Paste:
      return ClipboardHasObjects();
    default:
      return true;
  }
}

bool TMainForm::ClipboardHasObjects() const { return clipboardFormat_ != 0 && IsClipboardFormatAvailable(clipboardFormat_); }

// After the object list changed shape: controls rebuilt in list order, the surface repainted, and
// the selector (and with it the property panel) refilled.
void TMainForm::AfterStructureChange(bool rebuildSelector) {
  workingPage_->ObjectsChanged();
  MarkModified(true);
  designWindow_.RefreshDesignSurface();
  if (rebuildSelector) RebuildObjectSelector();
}

void TMainForm::AfterBoundsChange() {
  for (ObjectControl* control : workingPage_->Controls()) workingPage_->ObjectBoundsChanged(*control);
  MarkModified(true);
  designWindow_.RefreshDesignSurface();
}

void TMainForm::RunEditCommand(EditorCommand command) {
  if (!workingPage_) return;
  PageData& page = workingPage_->page();
  if (command == EditorCommand::AlignToGrid) {
    if (!AlignToGrid(page, settings_.gridX, settings_.gridY)) return;
    AfterBoundsChange();
    PropertiesRefresh();
    return;
  }
  if (const auto align = AlignOf(command)) {
    if (AlignSelected(page, *align)) AfterBoundsChange();
    return;
  }
  switch (command) {
    case EditorCommand::Copy:
      if (CommitPendingEdit()) CopySelection();
      break;
    case EditorCommand::Paste:
      if (CommitPendingEdit()) PasteClipboard();
      break;
    case EditorCommand::Duplicate:
      if (SelectedCount() == 0 || !CommitPendingEdit()) break;
      CopySelection();
      PasteClipboard();
      break;
    case EditorCommand::Delete:
    case EditorCommand::DeleteKey:
      DeleteSelected();
      break;
    case EditorCommand::Clear:
      if (!ClearObjects(page)) break;
      AfterStructureChange(true);
      RebuildGroupList();
      break;
    case EditorCommand::BringToFront:
      if (BringToFront(page)) AfterStructureChange(true);
      break;
    case EditorCommand::SendToBack:
      if (SendToBack(page)) AfterStructureChange(true);
      break;
    case EditorCommand::SelectAll:
      SelectAll(page);
      designWindow_.RefreshDesignSurface();
      SelectionRefresh();
      break;
    case EditorCommand::SetVisibleTrueInGroup: SetVisibleInGroup(true); break;
    case EditorCommand::SetVisibleFalseInGroup: SetVisibleInGroup(false); break;
    default: break;
  }
}

void TMainForm::CopySelection() {
  const std::vector<std::uint8_t> block =
      plexara::CopySelection(workingPage_->page(), settings_.gridX, document_.pasteOffset);
  if (block.empty() || !OpenClipboard(hwnd())) return;
  EmptyClipboard();
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size())) {
    if (void* bytes = GlobalLock(memory)) {
      std::memcpy(bytes, block.data(), block.size());
      GlobalUnlock(memory);
      if (!SetClipboardData(clipboardFormat_, memory)) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

void TMainForm::PasteClipboard() {
  if (!ClipboardHasObjects() || !OpenClipboard(hwnd())) return;
  std::vector<std::uint8_t> block;
  if (HANDLE data = GetClipboardData(clipboardFormat_)) {
    if (const void* bytes = GlobalLock(data)) {
      const auto* begin = static_cast<const std::uint8_t*>(bytes);
      block.assign(begin, begin + GlobalSize(data));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  std::vector<ObjectData> pasted = ReadClipboardBlock(block);
  if (PasteObjects(workingPage_->page(), std::move(pasted), document_.pasteOffset) == 0) return;
  AfterStructureChange(true);
}

void TMainForm::DeleteSelected() {
  if (!plexara::DeleteSelected(workingPage_->page())) return;
  AfterStructureChange(true);
  RebuildGroupList();
}

void TMainForm::DeleteSelection() { DeleteSelected(); }

void TMainForm::SetVisibleInGroup(bool value) {
  PageData& page = workingPage_->page();
  const char* prompt = value ? "Select Group to Set Visible Properties of Objects in it True"
                             : "Select Group to Set Visible Properties of Objects in it False";
  std::vector<std::string> chosen;
  if (!SelectGroups(hwnd(), prompt, GroupNames(page), chosen)) return;
  if (SetVisibleInGroups(page, chosen, value)) MarkModified(true);
}

// ---- the object selector ----

void TMainForm::RebuildObjectSelector() {
  std::vector<SelectorItem> items;
  if (workingPage_) {
    const PageData& page = workingPage_->page();
    SelectorItem pageItem;
    pageItem.page = true;
    pageItem.name = page.pageName;
    pageItem.kind = page.pageKind;
    pageItem.typeName = std::string(PageKindName(page.pageKind));
    items.push_back(pageItem);
    const std::vector<ObjectControl*> controls = workingPage_->Controls();
    for (std::size_t i = 0; i < page.objects.size(); ++i) {
      const ObjectData& object = page.objects[i];
      SelectorItem item;
      item.name = object.command.name;
      item.kind = object.kind();
      const KindInfo* info = FindKind(object.kind());
      item.typeName = info ? std::string(info->typeName) : std::string();
      item.hidden = i < controls.size() && !controls[i]->Visible();
      items.push_back(std::move(item));
    }
  }
  const int index = workingPage_ ? SelectorIndex(workingPage_->page()) : -1;
  selector_.Fill(std::move(items), index);
  SelectorChosen(index);
}

void TMainForm::SelectionRefresh() {
  if (!workingPage_) return;
  selector_.SetIndex(SelectorIndex(workingPage_->page()));
  ShowProperties();
}

void TMainForm::SelectorChosen(int index) {
  if (!workingPage_) return;
  PageData& page = workingPage_->page();
  for (ObjectData& object : page.objects) object.selected = false;
  if (index >= 1 && index <= static_cast<int>(page.objects.size())) {
    const std::vector<ObjectControl*> controls = workingPage_->Controls();
    const std::size_t object = static_cast<std::size_t>(index - 1);
    // A hidden object is shown in the panel without being selected on the surface.
    if (object < controls.size() && controls[object]->Visible()) page.objects[object].selected = true;
  }
  ShowProperties();
  designWindow_.RefreshDesignSurface();
}

void TMainForm::PropertiesRefresh() {
  ShowProperties();
  SelectionRefresh();
}

void TMainForm::ObjectCreated() {
  SelectPaletteSlot(0);
  PartitionObjects(workingPage_->page().objects);
  workingPage_->ObjectsChanged();
  RebuildObjectSelector();
}

// ---- the group list ----

void TMainForm::RebuildGroupList() {
  std::vector<std::string> groups;
  std::vector<bool> shown;
  if (workingPage_) {
    groups = GroupNames(workingPage_->page());
    const std::vector<ObjectControl*> controls = workingPage_->Controls();
    for (const std::string& group : groups) {
      bool visible = false;
      for (ObjectControl* control : controls) {
        if (control->data().command.groupName == group) {
          visible = control->Visible();
          break;
        }
      }
      shown.push_back(visible);
    }
  }
  groupList_.Rebuild(groups, shown);
}

void TMainForm::GroupToggled(const std::string& group, bool shown) {
  if (!workingPage_) return;
  for (ObjectData& object : workingPage_->page().objects) object.selected = false;
  for (ObjectControl* control : workingPage_->Controls()) {
    if (control->data().command.groupName == group) control->SetDesignShown(shown);
  }
  workingPage_->RedrawBackground();
  designWindow_.CopyPageAppearance(menuBarHeight_);
  designWindow_.RefreshDesignSurface();
}

void TMainForm::ShowAllObjects() {
  if (!workingPage_) return;
  for (ObjectControl* control : workingPage_->Controls()) control->SetDesignShown(true);
  RebuildGroupList();
  designWindow_.RefreshDesignSurface();
}

}  // namespace plexara
