// The per-item action block of the item editors and the action editor: the "ClickAction:" pick
// list, the target field whose label and editing follow the kind (ParameterRowOf), its "..."
// button and the "Close After Action" box. A host dialog adds the block's controls to its
// template, attaches the block once the dialog exists, passes its WM_COMMANDs on, shows the action
// of the item in hand and reads it back after each change.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/modal_dialog_win32.h"
#include "properties/action_dialogs_win32.h"
#include "storage/action_targets.h"

namespace plexara {

class ItemActionBlock {
 public:
  struct Options {
    bool offerActionGroup = true;
    // Item editors start a newly chosen kind without target, parameters, folder or close flag; the
    // action editor keeps the target text.
    bool clearOnKindChange = true;
    bool showCloseBox = true;
  };

  // The controls, numbered from the first id the host gives the block.
  enum Control : int {
    kKindLabel,
    kKindList,
    kTargetLabel,
    kTarget,
    kBrowse,
    kCloseBox,
    kControlCount
  };

  // `context` must outlive the block.
  ItemActionBlock(const ActionDialogContext& context, Options options, int firstId);
  ItemActionBlock(const ItemActionBlock&) = delete;
  ItemActionBlock& operator=(const ItemActionBlock&) = delete;

  int Id(Control control) const { return firstId_ + control; }
  // Height in dialog units of the controls AddTo places.
  int Height() const;
  // Places the controls at (x, y), `width` wide in all, labels `labelWidth` wide (dialog units).
  void AddTo(win32::DialogTemplate& layout, int x, int y, int width, int labelWidth) const;
  // Binds the block to the host dialog and fills the kind list; call from the host's OnInit.
  void Attach(HWND dialog);

  // Shows an action. Filling the fields reports no change.
  void Show(const GroupedAction& action);
  const GroupedAction& action() const { return action_; }
  // Off: every control of the block is disabled (a host with no item in hand). On: each control
  // follows the kind again.
  void SetEnabled(bool enabled);

  // A WM_COMMAND of the host; true when it came from the block's controls. An edit of the action
  // stores it and then calls `onChanged`.
  bool OnCommand(int id, int code);
  std::function<void()> onChanged;

 private:
  HWND Item(Control control) const { return GetDlgItem(dialog_, Id(control)); }
  void FollowKind();
  void SetTargetText(const std::string& text);
  void Browse();
  void Changed();

  const ActionDialogContext& context_;
  Options options_;
  int firstId_;
  HWND dialog_ = nullptr;
  std::vector<std::uint8_t> kinds_;  // the pick list's kinds, in list order
  GroupedAction action_;
  bool enabled_ = true;
  bool filling_ = false;  // set while the block writes its own fields
};

}  // namespace plexara
