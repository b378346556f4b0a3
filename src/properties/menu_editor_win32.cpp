#include "properties/menu_editor_win32.h"

#include <commctrl.h>

#include <map>
#include <set>
#include <string>

#include "platform/modal_dialog_win32.h"
#include "platform/picture_draw_win32.h"
#include "properties/item_action_block_win32.h"
#include "properties/menu_tree.h"
#include "properties/picture_editor_win32.h"
#include "storage/codecs/metafile_render.h"
#include "storage/shortcut_text.h"

namespace plexara {
namespace {

enum : int {
  kTree = 101,
  kAddRoot,
  kAddSub,
  kDelete,
  kGroup,
  kCaptionLabel,
  kCaption,
  kShortcutLabel,
  kShortcut,
  kImageLabel,
  kImage,
  kSelectImage,
  kFirstBlockId = 201,
};

// Menu files keep an item's picture as a bitmap: a picture of another kind chosen in the image
// editor is turned into one (its first frame, or a metafile played onto white at its own size).
Picture AsMenuBitmap(const Picture& picture) {
  if (picture.empty() || picture.graphicClass() == GraphicClass::Bitmap) return picture;
  const DecodedPicture& decoded = picture.decoded();
  if (!decoded.frames.empty()) return Picture::FromBitmap(decoded.frames[0].bitmap);
  if (!PictureSizeAllowed(decoded.width, decoded.height)) return {};
  Result<Bitmap> played = RenderMetafile(picture.payload(), decoded.width, decoded.height);
  if (!played.ok()) return {};
  return Picture::FromBitmap(played.value());
}

class MenuEditor final : public win32::ModalDialog {
 public:
  MenuEditor(const ActionDialogContext& context, const std::vector<MenuItemData>& menu)
      : tree_(menu), block_(context, {}, kFirstBlockId) {
    block_.onChanged = [this] {
      if (!tree_.Contains(selected_)) return;
      tree_.node(selected_).action = block_.action();
      changed_ = true;
    };
  }
  const ItemActionBlock& block() const { return block_; }
  bool changed() const { return changed_; }
  const MenuTree& tree() const { return tree_; }

 private:
  bool OnInit() override {
    block_.Attach(hwnd());
    HWND shortcut = Item(kShortcut);
    for (const std::uint16_t value : MenuShortcutChoices()) {
      const LRESULT index = SendMessageA(shortcut, CB_ADDSTRING, 0,
                                         reinterpret_cast<LPARAM>(ShortcutText(value).c_str()));
      SendMessageA(shortcut, CB_SETITEMDATA, static_cast<WPARAM>(index), value);
    }
    FillTree(MenuTree::kTop);
    return true;
  }

  bool OnCommand(int id, int code) override {
    if (block_.OnCommand(id, code)) return true;
    switch (id) {
      case kAddRoot:
      case kAddSub:
        if (code != BN_CLICKED) return true;
        if (id == kAddSub && !tree_.CanAddChild(selected_)) return true;
        changed_ = true;
        FillTree(id == kAddRoot ? tree_.AddRoot() : tree_.AddChild(selected_));
        return true;
      case kDelete:
        if (code != BN_CLICKED || !tree_.Contains(selected_)) return true;
        tree_.Delete(selected_);
        changed_ = true;
        FillTree(MenuTree::kTop);
        return true;
      case kCaption:
        if (code != EN_CHANGE || filling_ || !tree_.Contains(selected_)) return true;
        tree_.node(selected_).caption = ItemText(kCaption);
        SetTreeText(selected_);
        changed_ = true;
        return true;
      case kShortcut:
        ShortcutCommand(code);
        return true;
      case kImage:
        if (code == STN_CLICKED) SelectImage();
        return true;
      case kSelectImage:
        if (code == BN_CLICKED) SelectImage();
        return true;
      default:
        return false;
    }
  }

  void ShortcutCommand(int code) {
    if (filling_ || !tree_.Contains(selected_)) return;
    std::uint16_t shortcut = 0;
    if (code == CBN_SELCHANGE) {
      const LRESULT index = SendMessageA(Item(kShortcut), CB_GETCURSEL, 0, 0);
      if (index == CB_ERR) return;
      shortcut =
          static_cast<std::uint16_t>(SendMessageA(Item(kShortcut), CB_GETITEMDATA, index, 0));
    } else if (code == CBN_EDITCHANGE) {
      shortcut = ParseShortcut(ItemText(kShortcut));
    } else {
      return;
    }
    tree_.node(selected_).shortcut = shortcut;
    changed_ = true;
  }

  void SelectImage() {
    if (!tree_.Contains(selected_)) return;
    Picture picture = tree_.node(selected_).bitmap;
    if (!EditPicture(hwnd(), picture, false)) return;
    tree_.node(selected_).bitmap = AsMenuBitmap(picture);
    changed_ = true;
    InvalidateRect(Item(kImage), nullptr, TRUE);
  }

  LRESULT OnNotify(const NMHDR& header) override {
    if (header.idFrom != kTree || rebuilding_) return 0;
    // The tree answers in the dialog's character set; both forms carry the item data alike.
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    switch (header.code) {
      case TVN_SELCHANGEDA:
      case TVN_SELCHANGEDW:
        ShowNode(static_cast<MenuTree::Id>(change.itemNew.lParam));
        return 0;
      case TVN_ITEMEXPANDEDA:
      case TVN_ITEMEXPANDEDW: {
        const auto id = static_cast<MenuTree::Id>(change.itemNew.lParam);
        if (change.action & TVE_COLLAPSE) {
          collapsed_.insert(id);
        } else {
          collapsed_.erase(id);
        }
        return 0;
      }
      case TVN_BEGINDRAGA:
      case TVN_BEGINDRAGW:
        dragged_ = static_cast<MenuTree::Id>(change.itemNew.lParam);
        SetCapture(hwnd());
        return 0;
      default:
        return 0;
    }
  }

  bool OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) override {
    switch (message) {
      case WM_MOUSEMOVE:
        if (dragged_ == MenuTree::kTop) return false;
        SendMessageA(Item(kTree), TVM_SELECTITEM, TVGN_DROPHILITE,
                     reinterpret_cast<LPARAM>(DropTarget(lParam)));
        return true;
      case WM_LBUTTONUP: {
        if (dragged_ == MenuTree::kTop) return false;
        HTREEITEM target = DropTarget(lParam);
        const MenuTree::Id moved = dragged_;
        EndDrag();
        if (target != nullptr && tree_.MoveBefore(moved, IdOf(target))) {
          changed_ = true;
          FillTree(moved);
        }
        return true;
      }
      case WM_CAPTURECHANGED:
        if (dragged_ != MenuTree::kTop && reinterpret_cast<HWND>(lParam) != hwnd()) EndDrag();
        return false;
      case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != kImage) return false;
        DrawImage(item);
        result = TRUE;
        return true;
      }
      default:
        return false;
    }
  }

  // The tree item under a point of the dialog's client area given in a mouse message.
  HTREEITEM DropTarget(LPARAM lParam) const {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    MapWindowPoints(hwnd(), Item(kTree), &point, 1);
    TVHITTESTINFO hit{};
    hit.pt = point;
    SendMessageA(Item(kTree), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return (hit.flags & TVHT_ONITEM) != 0 ? hit.hItem : nullptr;
  }

  void EndDrag() {
    dragged_ = MenuTree::kTop;
    SendMessageA(Item(kTree), TVM_SELECTITEM, TVGN_DROPHILITE, 0);
    if (GetCapture() == hwnd()) ReleaseCapture();
  }

  MenuTree::Id IdOf(HTREEITEM item) const {
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    SendMessageA(Item(kTree), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return static_cast<MenuTree::Id>(data.lParam);
  }

  void DrawImage(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    if (tree_.Contains(selected_)) {
      RECT inner = item.rcItem;
      InflateRect(&inner, -2, -2);
      DrawPictureStretched(item.hDC, tree_.node(selected_).bitmap, inner, {.transparent = true});
    }
    FrameRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNSHADOW));
  }

  // Rebuilds the tree control from the tree, keeping the branches the author collapsed, and
  // selects `select` (nothing for kTop).
  void FillTree(MenuTree::Id select) {
    HWND control = Item(kTree);
    rebuilding_ = true;
    SendMessageA(control, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    handles_.clear();
    InsertChildren(MenuTree::kTop, TVI_ROOT);
    HTREEITEM selected = tree_.Contains(select) ? handles_[select] : nullptr;
    SendMessageA(control, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected));
    if (selected != nullptr)
      SendMessageA(control, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(selected));
    rebuilding_ = false;
    ShowNode(tree_.Contains(select) ? select : MenuTree::kTop);
  }

  void InsertChildren(MenuTree::Id parent, HTREEITEM parentItem) {
    for (const MenuTree::Id id : tree_.Children(parent)) {
      TVINSERTSTRUCTA insert{};
      insert.hParent = parentItem;
      insert.hInsertAfter = TVI_LAST;
      insert.item.mask = TVIF_TEXT | TVIF_PARAM;
      std::string caption = tree_.node(id).caption;
      insert.item.pszText = caption.data();
      insert.item.lParam = id;
      HTREEITEM item = reinterpret_cast<HTREEITEM>(
          SendMessageA(Item(kTree), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
      handles_[id] = item;
      InsertChildren(id, item);
      if (!tree_.Children(id).empty() && !collapsed_.contains(id))
        SendMessageA(Item(kTree), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    }
  }

  void SetTreeText(MenuTree::Id id) {
    const auto found = handles_.find(id);
    if (found == handles_.end()) return;
    std::string caption = tree_.node(id).caption;
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = found->second;
    item.pszText = caption.data();
    SendMessageA(Item(kTree), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }

  // Shows the node's values in "Menu Item Properties"; kTop (no node) empties and disables them.
  void ShowNode(MenuTree::Id id) {
    selected_ = tree_.Contains(id) ? id : MenuTree::kTop;
    const bool has = selected_ != MenuTree::kTop;
    const MenuNode empty;
    const MenuNode& node = has ? tree_.node(selected_) : empty;
    filling_ = true;
    SetItemText(kCaption, node.caption);
    HWND shortcut = Item(kShortcut);
    LRESULT index = -1;
    for (LRESULT i = 0, count = SendMessageA(shortcut, CB_GETCOUNT, 0, 0);
         i < count && node.shortcut != 0; ++i) {
      if (SendMessageA(shortcut, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == node.shortcut)
        index = i;
    }
    SendMessageA(shortcut, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (index < 0) SetItemText(kShortcut, ShortcutText(node.shortcut));
    filling_ = false;
    block_.Show(node.action);
    block_.SetEnabled(has);
    for (const int control : {kGroup, kCaptionLabel, kCaption, kShortcutLabel, kShortcut,
                              kImageLabel, kImage, kSelectImage, kDelete})
      EnableWindow(Item(control), has);
    EnableWindow(Item(kAddSub), has && tree_.CanAddChild(selected_));
    InvalidateRect(Item(kImage), nullptr, TRUE);
  }

  MenuTree tree_;
  ItemActionBlock block_;
  std::map<MenuTree::Id, HTREEITEM> handles_;
  std::set<MenuTree::Id> collapsed_;
  MenuTree::Id selected_ = MenuTree::kTop;
  MenuTree::Id dragged_ = MenuTree::kTop;  // kTop: no drag under way
  bool changed_ = false;
  bool filling_ = false;     // set while the fields are filled from a node
  bool rebuilding_ = false;  // set while the tree control is filled from the tree
};

// The tree with its buttons on the left, the node's properties on the right, the dialog's buttons
// at the bottom right.
win32::DialogTemplate Layout(const ItemActionBlock& block) {
  constexpr int kMargin = 7, kTreeWidth = 162, kTreeHeight = 196, kButtonHeight = 14;
  constexpr int kGroupX = kMargin + kTreeWidth + 8, kGroupWidth = 200, kInnerX = kGroupX + 8;
  constexpr int kInnerWidth = kGroupWidth - 16, kLabelWidth = 52, kFieldX = kInnerX + kLabelWidth;
  constexpr int kFieldWidth = kInnerWidth - kLabelWidth;
  constexpr int kBottom = kMargin + kTreeHeight + 5;
  constexpr int kWidth = kGroupX + kGroupWidth + kMargin;
  constexpr int kImageSize = 36;
  const int blockTop = 94;
  const int groupHeight = blockTop + block.Height() + 8 - 4;

  win32::DialogTemplate layout("Menu Editor", kWidth, kBottom + kButtonHeight + kMargin);
  layout.Add(
      WC_TREEVIEWA, "", kTree, kMargin, kMargin, kTreeWidth, kTreeHeight,
      WS_BORDER | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS);
  constexpr int kTreeButtonWidth = (kTreeWidth - 6) / 3;
  const char* treeButtons[] = {"Add Root Item", "Add Sub Item", "Delete Item"};
  for (int i = 0; i < 3; ++i) {
    layout.Add("BUTTON", treeButtons[i], kAddRoot + i, kMargin + i * (kTreeButtonWidth + 3),
               kBottom, kTreeButtonWidth, kButtonHeight, WS_TABSTOP | BS_PUSHBUTTON);
  }
  layout.Add("BUTTON", "Menu Item Properties", kGroup, kGroupX, 4, kGroupWidth, groupHeight,
             BS_GROUPBOX);
  layout.Add("STATIC", "Caption:", kCaptionLabel, kInnerX, 20, kLabelWidth - 2, 8, SS_LEFT);
  layout.Add("EDIT", "", kCaption, kFieldX, 18, kFieldWidth, 12,
             WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL);
  layout.Add("STATIC", "Shot Cut:", kShortcutLabel, kInnerX, 37, kLabelWidth - 2, 8, SS_LEFT);
  layout.Add("COMBOBOX", "", kShortcut, kFieldX, 35, kFieldWidth, 150,
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL);
  layout.Add("STATIC", "Image:", kImageLabel, kInnerX, 54, kLabelWidth - 2, 8, SS_LEFT);
  layout.Add("STATIC", "", kImage, kFieldX, 52, kImageSize, kImageSize, SS_OWNERDRAW | SS_NOTIFY);
  layout.Add("BUTTON", "Select...", kSelectImage, kFieldX + kImageSize + 6, 52, 50, kButtonHeight,
             WS_TABSTOP | BS_PUSHBUTTON);
  block.AddTo(layout, kInnerX, blockTop, kInnerWidth, kLabelWidth);
  layout.AddOkCancel(kWidth - kMargin, kBottom, 50, kButtonHeight);
  return layout;
}

}  // namespace

bool EditMenu(HWND owner, const ActionDialogContext& context, std::vector<MenuItemData>& menu) {
  MenuEditor editor(context, menu);
  if (editor.Run(owner, Layout(editor.block())) != IDOK || !editor.changed()) return false;
  menu = editor.tree().Build();
  return true;
}

}  // namespace plexara
