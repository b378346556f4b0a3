#include "properties/folder_picker_win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/modal_dialog_win32.h"
#include "properties/relative_to_disc.h"
#include "storage/ascii_case.h"

namespace plexara {
namespace {

enum : int { kLabel = 101, kTree };

constexpr std::string_view kSourceFolder = "AutoRunSource";

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string Join(const std::string& folder, const std::string& name) {
  return !folder.empty() && folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

// A bare drive gets its backslash; any other trailing backslash goes.
std::string NormalFolder(std::string path) {
  if (path.size() == 2 && path[1] == ':') return path + "\\";
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

// `inner` lies below `outer` (both normal folders), letter case aside.
bool IsBelow(const std::string& outer, const std::string& inner) {
  const std::string prefix = outer.back() == '\\' ? outer : outer + "\\";
  return inner.size() > prefix.size() && SameTextIgnoringCase(inner.substr(0, prefix.size()), prefix);
}

std::vector<std::string> SubfolderNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(Join(folder, "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    const bool hidden = (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && !hidden && name != "." && name != "..") {
      names.push_back(name);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return UpperAscii(a) < UpperAscii(b); });
  return names;
}

int SystemIcon(const char* path, UINT flags) {
  SHFILEINFOA info{};
  SHGetFileInfoA(path, FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON | flags);
  return info.iIcon;
}

int SpecialFolderIcon(int csidl) {
  LPITEMIDLIST pidl = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &pidl))) return SystemIcon("folder", SHGFI_USEFILEATTRIBUTES);
  SHFILEINFOA info{};
  SHGetFileInfoA(reinterpret_cast<const char*>(pidl), 0, &info, sizeof(info), SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
  CoTaskMemFree(pidl);
  return info.iIcon;
}

struct PickerSetup {
  std::string label;
  std::string discFolder;  // empty: the tree is rooted at the desktop
  std::string current;     // absolute, normal; empty for none
};

class FolderPickerDialog final : public win32::ModalDialog {
 public:
  explicit FolderPickerDialog(const PickerSetup& setup) : setup_(setup) {}
  const std::string& chosen() const { return chosen_; }

 protected:
  bool OnInit() override {
    SetItemText(kLabel, setup_.label);
    HWND tree = Item(kTree);
    SHFILEINFOA info{};
    const auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    TreeView_SetImageList(tree, images, TVSIL_NORMAL);
    folderIcon_ = SystemIcon("folder", SHGFI_USEFILEATTRIBUTES);
    openIcon_ = SystemIcon("folder", SHGFI_USEFILEATTRIBUTES | SHGFI_OPENICON);

    HTREEITEM root;
    if (setup_.discFolder.empty()) {
      char desktop[MAX_PATH] = {};
      SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
      const int icon = SpecialFolderIcon(CSIDL_DESKTOP);
      root = Insert(TVI_ROOT, "Desktop", desktop, icon, icon);
    } else {
      root = Insert(TVI_ROOT, "CD-ROM base - [" + setup_.discFolder + "]", setup_.discFolder, folderIcon_, openIcon_);
    }
    TreeView_Expand(tree, root, TVE_EXPAND);
    if (setup_.current.empty() || !Reveal(root, setup_.current)) TreeView_SelectItem(tree, root);
    UpdateOk();
    SetFocus(tree);
    return false;
  }

  LRESULT OnNotify(const NMHDR& header) override {
    if (header.idFrom != kTree) return 0;
    if (header.code == TVN_ITEMEXPANDINGA || header.code == TVN_ITEMEXPANDINGW) {
      const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
      if (change.action == TVE_EXPAND) LoadChildren(change.itemNew.hItem);
    } else if (header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW) {
      UpdateOk();
    }
    return 0;
  }

  bool OnCommand(int id, int) override {
    if (id != IDOK) return false;
    const std::string path = SelectedPath();
    if (path.empty() || !FolderExists(path)) return true;
    if (!setup_.discFolder.empty()) {
      if (SameTextIgnoringCase(RelativeToDisc(setup_.discFolder, path), "\\" + std::string(kSourceFolder))) {
        MessageBoxA(hwnd(), "You can not select the \"AutoRunSource\" folder, it includes auto run source files.",
                    "Information", MB_OK | MB_ICONINFORMATION);
        return true;
      }
    }
    chosen_ = path;
    End(IDOK);
    return true;
  }

 private:
  struct Node {
    std::string path;  // empty for My Computer, which is no folder
    bool loaded = false;
  };

  HTREEITEM Insert(HTREEITEM parent, const std::string& text, const std::string& path, int icon, int openIcon) {
    nodes_.push_back({path, false});
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.lParam = static_cast<LPARAM>(nodes_.size() - 1);
    insert.item.cChildren = 1;  // found out when the node is opened
    insert.item.iImage = icon;
    insert.item.iSelectedImage = openIcon;
    return reinterpret_cast<HTREEITEM>(SendMessageA(Item(kTree), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  }

  std::size_t NodeOf(HTREEITEM item) const {
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    SendMessageA(Item(kTree), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return static_cast<std::size_t>(data.lParam);
  }

  void LoadChildren(HTREEITEM item) {
    const std::size_t index = NodeOf(item);
    if (nodes_[index].loaded) return;
    nodes_[index].loaded = true;
    const std::string path = nodes_[index].path;
    const bool isRoot = TreeView_GetParent(Item(kTree), item) == nullptr;
    int added = 0;
    if (setup_.discFolder.empty() && isRoot) {
      const int icon = SpecialFolderIcon(CSIDL_DRIVES);
      Insert(item, "My Computer", "", icon, icon);
      ++added;
    }
    if (path.empty()) {
      char drives[256] = {};
      GetLogicalDriveStringsA(sizeof(drives), drives);
      for (const char* drive = drives; *drive != '\0'; drive += std::strlen(drive) + 1) {
        SHFILEINFOA info{};
        SHGetFileInfoA(drive, 0, &info, sizeof(info), SHGFI_DISPLAYNAME);
        const std::string text = info.szDisplayName[0] != '\0' ? info.szDisplayName : drive;
        const int icon = SystemIcon(drive, 0);
        Insert(item, text, drive, icon, icon);
        ++added;
      }
    } else {
      for (const std::string& name : SubfolderNames(path)) {
        // The disc folder's own source folder is the editor's business, never a place for content.
        if (!setup_.discFolder.empty() && isRoot && SameTextIgnoringCase(name, kSourceFolder)) continue;
        Insert(item, name, Join(path, name), folderIcon_, openIcon_);
        ++added;
      }
    }
    if (added == 0) {
      TVITEMA data{};
      data.mask = TVIF_CHILDREN;
      data.hItem = item;
      data.cChildren = 0;
      SendMessageA(Item(kTree), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    }
  }

  // Opens the way down to `target` and selects it; false when the tree does not hold it.
  bool Reveal(HTREEITEM item, const std::string& target) {
    HWND tree = Item(kTree);
    const std::string& path = nodes_[NodeOf(item)].path;
    if (!path.empty() && SameTextIgnoringCase(NormalFolder(path), target)) {
      TreeView_SelectItem(tree, item);
      TreeView_EnsureVisible(tree, item);
      return true;
    }
    // The desktop leads to every drive through My Computer, whatever its own path.
    const bool desktop = setup_.discFolder.empty() && TreeView_GetParent(tree, item) == nullptr;
    if (!path.empty() && !desktop && !IsBelow(NormalFolder(path), target)) return false;
    LoadChildren(item);
    for (HTREEITEM child = TreeView_GetChild(tree, item); child != nullptr; child = TreeView_GetNextSibling(tree, child)) {
      const std::string& childPath = nodes_[NodeOf(child)].path;
      const bool leadsThere = childPath.empty() || SameTextIgnoringCase(NormalFolder(childPath), target) ||
                              IsBelow(NormalFolder(childPath), target);
      if (leadsThere && Reveal(child, target)) {
        TreeView_Expand(tree, item, TVE_EXPAND);
        return true;
      }
    }
    return false;
  }

  std::string SelectedPath() const {
    HTREEITEM selected = TreeView_GetSelection(Item(kTree));
    return selected == nullptr ? std::string() : nodes_[NodeOf(selected)].path;
  }

  void UpdateOk() const {
    const std::string path = SelectedPath();
    EnableWindow(Item(IDOK), !path.empty() && FolderExists(path));
  }

  const PickerSetup& setup_;
  std::vector<Node> nodes_;
  std::string chosen_;
  int folderIcon_ = 0;
  int openIcon_ = 0;
};

win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("Select Folder", 230, 236);
  layout.Add("STATIC", "", kLabel, 8, 7, 214, 10, SS_LEFT | SS_NOPREFIX);
  layout.Add(WC_TREEVIEWA, "", kTree, 8, 20, 214, 188,
             TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP);
  layout.Add("BUTTON", "&OK", IDOK, 116, 216, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
  layout.Add("BUTTON", "Cancel", IDCANCEL, 172, 216, 50, 14, BS_PUSHBUTTON | WS_TABSTOP);
  return layout;
}

std::string RunPicker(HWND owner, const PickerSetup& setup) {
  FolderPickerDialog dialog(setup);
  return dialog.Run(owner, Layout()) == IDOK ? dialog.chosen() : std::string();
}

}  // namespace

bool PickDiscFolder(HWND owner, std::string& folder) {
  const std::string current = folder.empty() ? std::string() : NormalFolder(folder);
  const std::string chosen = RunPicker(owner, {"Select CD-ROM base folder", "", current});
  if (chosen.empty() || chosen == folder) return false;
  folder = chosen;
  return true;
}

bool PickFolder(HWND owner, const std::string& discFolder, const std::string& label, std::string& value) {
  std::string current;
  if (!value.empty()) {
    const std::string full = NormalFolder(value == "\\" ? discFolder : Join(discFolder, value.substr(value[0] == '\\' ? 1 : 0)));
    if (FolderExists(full) && !RelativeToDisc(discFolder, full).empty()) current = full;
  }
  const std::string chosen = RunPicker(owner, {label.empty() ? "Select folder:" : label, discFolder, current});
  if (chosen.empty()) return false;
  const std::string relative = RelativeToDisc(discFolder, chosen);
  if (relative.empty() || relative == value) return false;
  value = relative;
  return true;
}

bool PickFolderIntoField(HWND dialog, int field, const std::string& discFolder) {
  std::string value = win32::ControlText(GetDlgItem(dialog, field));
  if (!PickFolder(dialog, discFolder, "", value)) return false;
  SetDlgItemTextA(dialog, field, value.c_str());
  return true;
}

}  // namespace plexara
