// "Action Editor": one action of an action group, edited with the per-item action block. Action
// Group is not offered, so groups never nest; another kind keeps the typed target text.
#include "platform/modal_dialog_win32.h"
#include "properties/action_dialogs_win32.h"
#include "properties/item_action_block_win32.h"

namespace plexara {
namespace {

constexpr int kFirstBlockId = 101;

class ActionEditor final : public win32::ModalDialog {
 public:
  ActionEditor(const ActionDialogContext& context, const GroupedAction& given)
      : block_(context,
               {.offerActionGroup = false, .clearOnKindChange = false, .showCloseBox = false},
               kFirstBlockId),
        given_(given) {}
  const ItemActionBlock& block() const { return block_; }

 private:
  bool OnInit() override {
    block_.Attach(hwnd());
    block_.Show(given_);
    return true;
  }

  bool OnCommand(int id, int code) override { return block_.OnCommand(id, code); }

  ItemActionBlock block_;
  const GroupedAction& given_;
};

}  // namespace

bool EditAction(HWND owner, const ActionDialogContext& context, GroupedAction& action) {
  constexpr int kMargin = 7, kWidth = 250, kLabelWidth = 52, kButtonWidth = 50, kButtonHeight = 14;
  ActionEditor editor(context, action);
  const int buttonTop = kMargin + editor.block().Height() + 8;
  win32::DialogTemplate layout("Action Editor", kWidth + 2 * kMargin,
                               buttonTop + kButtonHeight + kMargin);
  editor.block().AddTo(layout, kMargin, kMargin, kWidth, kLabelWidth);
  layout.AddOkCancel(kMargin + kWidth, buttonTop, kButtonWidth, kButtonHeight);
  if (editor.Run(owner, layout) != IDOK) return false;
  const GroupedAction& edited = editor.block().action();
  if (edited.actionKind == action.actionKind && edited.showCommand == action.showCommand &&
      edited.target == action.target && edited.parameters == action.parameters &&
      edited.folder == action.folder)
    return false;
  // The close flag is left as it was: no dialog changes it for a grouped action.
  action.actionKind = edited.actionKind;
  action.showCommand = edited.showCommand;
  action.target = edited.target;
  action.parameters = edited.parameters;
  action.folder = edited.folder;
  return true;
}

}  // namespace plexara
