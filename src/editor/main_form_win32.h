// The editor's main window. Its class name and title are what a second editor start looks for to
// find the running one, so both are fixed: class "TMainForm", title "Plexara".
#pragma once

#include "platform/window_win32.h"

namespace plexara {

class TMainForm final : public win32::Window {
 public:
  bool FormCreate();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc, const RECT& client) override;
  void OnDestroy() override;
};

}  // namespace plexara
