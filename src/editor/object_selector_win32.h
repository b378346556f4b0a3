// The object selector above the property panel: a drop-down list whose item 0 is the page and
// items 1..n the page's objects in list order, each drawn with its kind's icon, its name and its
// type in brackets (hidden objects in grey with "[Hide]").
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace plexara {

struct SelectorItem {
  std::string name;
  std::string typeName;  // page items: the page kind's display name
  int kind = 0;          // page items: the page kind; objects: the object kind
  bool page = false;
  bool hidden = false;   // the object's control is hidden on the surface
};

class ObjectSelector {
 public:
  using Chosen = std::function<void(int index)>;

  bool Create(HWND parent, Chosen chosen);
  HWND hwnd() const { return combo_; }
  // Refills the list and picks `index` (-1 for none) without reporting it.
  void Fill(std::vector<SelectorItem> items, int index);
  void SetIndex(int index);
  // Shows a new name for item `index` in place (the list is not refilled, the choice stays).
  void Rename(int index, const std::string& name);
  int index() const;
  int count() const { return static_cast<int>(items_.size()); }

  // The parent forwards these.
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) const;

 private:
  HWND combo_ = nullptr;
  Chosen chosen_;
  std::vector<SelectorItem> items_;
};

}  // namespace plexara
