#include "editor/group_list_win32.h"

#include <commctrl.h>

namespace plexara {
namespace {

constexpr int kShowAllId = 0x5201;
constexpr int kBoxIdBase = 0x5300;
constexpr int kTitleHeight = 20;

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND Child(const char* className, const char* text, DWORD style, HWND parent, int id) {
  HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
  return child;
}

}  // namespace

bool GroupList::Create(HWND parent, Toggled toggled, std::function<void()> showAll) {
  toggled_ = std::move(toggled);
  showAll_ = std::move(showAll);
  CreateArgs args;
  args.className = "TGroupList";
  args.style = WS_CHILD | WS_CLIPCHILDREN;
  args.parent = parent;
  args.x = args.y = 0;
  args.width = args.height = 10;
  if (!Window::Create(args)) return false;
  title_ = Child("STATIC", "Show Objects In Group", SS_LEFT | SS_CENTERIMAGE, hwnd(), 0);
  showAllButton_ = Child("BUTTON", "Show All", BS_PUSHBUTTON, hwnd(), kShowAllId);
  // The list changes only what the editor shows, never what the player does.
  HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd(), nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  TOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
  tool.hwnd = hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
  tool.lpszText = const_cast<char*>("For Design Time Only");
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  return true;
}

void GroupList::Rebuild(const std::vector<std::string>& groups, const std::vector<bool>& shown) {
  rebuilding_ = true;
  for (HWND box : boxes_) DestroyWindow(box);
  boxes_.clear();
  groups_ = groups;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    HWND box = Child("BUTTON", groups[i].c_str(), BS_AUTOCHECKBOX, hwnd(), kBoxIdBase + static_cast<int>(i));
    MoveWindow(box, 8, kTitleHeight + 4 + 18 * static_cast<int>(i), 120, 17, FALSE);
    SendMessageA(box, BM_SETCHECK, i < shown.size() && shown[i] ? BST_CHECKED : BST_UNCHECKED, 0);
    boxes_.push_back(box);
  }
  rebuilding_ = false;
  LayOut();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void GroupList::LayOut() {
  RECT client;
  GetClientRect(hwnd(), &client);
  MoveWindow(title_, 4, 0, client.right - 8, kTitleHeight, TRUE);
  MoveWindow(showAllButton_, client.right - 84, client.bottom - 28, 80, 24, TRUE);
}

LRESULT GroupList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id == kShowAllId) {
        if (showAll_) showAll_();
        return 0;
      }
      const int index = id - kBoxIdBase;
      if (!rebuilding_ && HIWORD(wParam) == BN_CLICKED && index >= 0 && index < static_cast<int>(boxes_.size())) {
        const bool ticked = SendMessageA(boxes_[static_cast<std::size_t>(index)], BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (toggled_) toggled_(groups_[static_cast<std::size_t>(index)], ticked);
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

void GroupList::Paint(HDC dc, const RECT& client) { FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW)); }

}  // namespace plexara
