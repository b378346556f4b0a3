// The editor main window: for now the frame the editor's surfaces will live in, showing which
// project folder the editor starts with.
#include "editor/main_form_win32.h"

#include <string>

#include "storage/startup_context.h"

namespace plexara {

bool TMainForm::FormCreate() {
  CreateArgs args;
  args.className = kMainFormClass.data();
  args.title = std::string(kEditorTitle);
  args.width = 1024;
  args.height = 720;
  if (!Create(args)) return false;
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  UpdateWindow(hwnd());
  return true;
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Window::HandleMessage(message, wParam, lParam);
}

void TMainForm::Paint(HDC dc, const RECT& client) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
  const std::string& root = Context().projectRoot;
  const std::string text = root.empty() ? std::string("No project folder") : "Project folder: " + root;
  RECT box = client;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
}

void TMainForm::OnDestroy() { PostQuitMessage(0); }

}  // namespace plexara
