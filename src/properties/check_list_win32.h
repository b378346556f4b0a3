// A check-box list: a list view in report mode with a check box on every row, one column as wide as
// the list and no header. The Show/Hide dialog uses eight of them and the group chooser one.
// Entries are names compared exactly (letter case included), kept in the order they were given.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/modal_dialog_win32.h"

namespace plexara {

// Adds the list view of a check list to a dialog template; place in dialog units.
void AddCheckList(win32::DialogTemplate& layout, int id, int x, int y, int width, int height);

class CheckList {
 public:
  // Takes over a list view made by AddCheckList, usually in the dialog's OnInit: turns on the check
  // boxes and gives it its single column.
  void Attach(HWND list);
  HWND hwnd() const { return list_; }

  // Replaces the entries with `names`, in that order, all unchecked.
  void Fill(const std::vector<std::string>& names);
  // Checks every entry whose text equals one of `names`; the others keep their state. Names no
  // entry carries are ignored.
  void Check(const std::vector<std::string>& names);
  void SetAllChecked(bool checked);
  // The checked entries in list order.
  std::vector<std::string> CheckedNames() const;
  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  HWND list_ = nullptr;
  std::vector<std::string> entries_;
};

}  // namespace plexara
