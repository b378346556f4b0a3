#include "properties/item_action_block_win32.h"

#include <string>

#include "properties/action_block.h"
#include "properties/file_filters.h"
#include "properties/file_picker_win32.h"
#include "properties/folder_picker_win32.h"
#include "properties/property_rows.h"

namespace plexara {
namespace {

constexpr int kRowStep = 17;  // dialog units from one row of the block to the next
constexpr int kBrowseWidth = 16;

std::string WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

std::string ListText(HWND combo, LRESULT index) {
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// Whether the field holds the target as text the author types or picks.
bool TargetIsText(ParameterRow row) {
  return row != ParameterRow::None && row != ParameterRow::Settings;
}

bool HasBrowseButton(ParameterRow row) {
  return row == ParameterRow::Settings || row == ParameterRow::File ||
         row == ParameterRow::PictureFile || row == ParameterRow::Folder;
}

}  // namespace

ItemActionBlock::ItemActionBlock(const ActionDialogContext& context, Options options, int firstId)
    : context_(context), options_(options), firstId_(firstId) {
  for (const std::uint8_t kind : ActionKindPickOrder()) {
    if (kind != kActionGroup || options_.offerActionGroup) kinds_.push_back(kind);
  }
}

int ItemActionBlock::Height() const {
  return options_.showCloseBox ? 2 * kRowStep + 11 : kRowStep + 14;
}

void ItemActionBlock::AddTo(win32::DialogTemplate& layout, int x, int y, int width,
                            int labelWidth) const {
  const int fieldX = x + labelWidth;
  const int fieldWidth = width - labelWidth;
  layout.Add("STATIC", "ClickAction:", Id(kKindLabel), x, y + 2, labelWidth - 2, 8, SS_LEFT);
  layout.Add("COMBOBOX", "", Id(kKindList), fieldX, y, fieldWidth, 200,
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  y += kRowStep;
  layout.Add("STATIC", "", Id(kTargetLabel), x, y + 2, labelWidth - 2, 8, SS_LEFT | SS_NOPREFIX);
  layout.Add("COMBOBOX", "", Id(kTarget), fieldX, y, fieldWidth - kBrowseWidth - 3, 120,
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL);
  layout.Add("BUTTON", "...", Id(kBrowse), x + width - kBrowseWidth, y - 1, kBrowseWidth, 14,
             WS_TABSTOP | BS_PUSHBUTTON);
  if (!options_.showCloseBox) return;
  y += kRowStep;
  layout.Add("BUTTON", "Close After Action", Id(kCloseBox), fieldX, y + 1, fieldWidth, 10,
             WS_TABSTOP | BS_AUTOCHECKBOX);
}

void ItemActionBlock::Attach(HWND dialog) {
  dialog_ = dialog;
  HWND list = Item(kKindList);
  for (const std::uint8_t kind : kinds_) {
    SendMessageA(list, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(std::string(ActionKindName(kind)).c_str()));
  }
  Show(action_);
}

void ItemActionBlock::Show(const GroupedAction& action) {
  action_ = action;
  // A kind the list does not offer (a nested group) shows no choice.
  LRESULT index = -1;
  for (std::size_t i = 0; i < kinds_.size(); ++i) {
    if (kinds_[i] == action_.actionKind) index = static_cast<LRESULT>(i);
  }
  SendMessageA(Item(kKindList), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  FollowKind();
}

void ItemActionBlock::SetEnabled(bool enabled) {
  enabled_ = enabled;
  FollowKind();
}

void ItemActionBlock::SetTargetText(const std::string& text) {
  filling_ = true;
  SetWindowTextA(Item(kTarget), text.c_str());
  filling_ = false;
}

// Label, list, text and the enabled state of every control for the kind in force.
void ItemActionBlock::FollowKind() {
  const int kind = action_.actionKind;
  const ParameterRow row = ParameterRowOf(kind);
  filling_ = true;
  SetWindowTextA(Item(kTargetLabel), std::string(ActionTargetLabel(kind)).c_str());
  HWND target = Item(kTarget);
  SendMessageA(target, CB_RESETCONTENT, 0, 0);
  for (const std::string& name : ParameterChoices(kind, context_.page, context_.projectPages))
    SendMessageA(target, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  filling_ = false;
  if (row == ParameterRow::Settings) {
    SetTargetText(SettingsMark(action_.target));
  } else {
    SetTargetText(TargetIsText(row) ? action_.target : std::string());
  }
  const bool closes = CloseAfterActionApplies(kind);
  for (const Control control : {kKindLabel, kKindList, kTargetLabel})
    EnableWindow(Item(control), enabled_);
  EnableWindow(target, enabled_ && TargetIsText(row));
  EnableWindow(Item(kBrowse), enabled_ && HasBrowseButton(row));
  if (options_.showCloseBox) {
    CheckDlgButton(dialog_, Id(kCloseBox),
                   closes && action_.closeAfterAction ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(Item(kCloseBox), enabled_ && closes);
  }
}

bool ItemActionBlock::OnCommand(int id, int code) {
  const int control = id - firstId_;
  if (control < 0 || control >= kControlCount || dialog_ == nullptr) return false;
  if (filling_) return true;
  switch (control) {
    case kKindList: {
      if (code != CBN_SELCHANGE) return true;
      const LRESULT index = SendMessageA(Item(kKindList), CB_GETCURSEL, 0, 0);
      if (index < 0 || static_cast<std::size_t>(index) >= kinds_.size()) return true;
      const std::uint8_t kind = kinds_[static_cast<std::size_t>(index)];
      if (kind == action_.actionKind) return true;
      action_.actionKind = kind;
      if (options_.clearOnKindChange) {
        action_.target.clear();
        action_.parameters.clear();
        action_.folder.clear();
        action_.closeAfterAction = false;
      }
      FollowKind();
      Changed();
      return true;
    }
    case kTarget: {
      if (!TargetIsText(ParameterRowOf(action_.actionKind))) return true;
      if (code == CBN_EDITCHANGE) {
        action_.target = WindowTextOf(Item(kTarget));
      } else if (code == CBN_SELCHANGE) {
        // The field's own text still holds the previous value while the choice is announced.
        const LRESULT index = SendMessageA(Item(kTarget), CB_GETCURSEL, 0, 0);
        if (index == CB_ERR) return true;
        action_.target = ListText(Item(kTarget), index);
      } else {
        return true;
      }
      Changed();
      return true;
    }
    case kBrowse:
      if (code == BN_CLICKED) Browse();
      return true;
    case kCloseBox:
      if (code != BN_CLICKED || !options_.showCloseBox) return true;
      action_.closeAfterAction = IsDlgButtonChecked(dialog_, Id(kCloseBox)) == BST_CHECKED;
      Changed();
      return true;
    default:
      return true;
  }
}

void ItemActionBlock::Browse() {
  const int kind = action_.actionKind;
  std::string value = action_.target;
  switch (ParameterRowOf(kind)) {
    case ParameterRow::Settings:
      if (!EditActionSettings(dialog_, context_, kind, value)) return;
      action_.target = value;
      SetTargetText(SettingsMark(action_.target));
      Changed();
      return;
    case ParameterRow::File:
    case ParameterRow::PictureFile: {
      const std::string_view filter =
          ParameterRowOf(kind) == ParameterRow::PictureFile ? PictureFileFilter() : kAllFilesFilter;
      if (!PickFile(dialog_, context_.discFolder, filter, value)) return;
      break;
    }
    case ParameterRow::Folder:
      if (!PickFolder(dialog_, context_.discFolder, "", value)) return;
      break;
    default:
      return;
  }
  action_.target = value;
  SetTargetText(value);
  Changed();
}

void ItemActionBlock::Changed() {
  if (onChanged) onChanged();
}

}  // namespace plexara
