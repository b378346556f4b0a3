// The group list "Show Objects In Group": one check box per group of the page's objects, and
// "Show All". Ticking shows, unticking hides, the objects of that group on the design surface only.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/window_win32.h"

namespace plexara {

class GroupList final : public win32::Window {
 public:
  using Toggled = std::function<void(const std::string& group, bool shown)>;

  bool Create(HWND parent, Toggled toggled, std::function<void()> showAll);
  // One box per group, ticked by `shown`; clicks during the rebuild are not reported.
  void Rebuild(const std::vector<std::string>& groups, const std::vector<bool>& shown);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  void LayOut();

  Toggled toggled_;
  std::function<void()> showAll_;
  HWND title_ = nullptr;
  HWND showAllButton_ = nullptr;
  std::vector<HWND> boxes_;
  std::vector<std::string> groups_;
  bool rebuilding_ = false;
};

}  // namespace plexara
