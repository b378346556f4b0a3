#include "player/modal_page_win32.h"

#include <cstring>

#include "platform/window_win32.h"

namespace plexara {
namespace {

// The page window a message belongs to (its own or one of its controls'), or null.
TAutoRunForm* PageWindowOf(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (root == nullptr) return nullptr;
  char className[64] = {};
  GetClassNameA(root, className, sizeof(className));
  if (std::strcmp(className, kPageWindowClass) != 0) return nullptr;
  auto* window = reinterpret_cast<win32::Window*>(GetWindowLongPtrA(root, GWLP_USERDATA));
  return dynamic_cast<TAutoRunForm*>(window);
}

bool IsTabKey(const MSG& message) {
  return (message.message == WM_KEYDOWN || message.message == WM_CHAR) && message.wParam == VK_TAB;
}

}  // namespace

bool TranslatePageMessage(MSG& message) {
  TAutoRunForm* page = PageWindowOf(message.hwnd);
  if (page == nullptr || page->hwnd() == nullptr) return false;
  if (page->menus().TranslateShortcut(page->hwnd(), message)) return true;
  // Key preview: the page sees a key pressed in one of its controls before the control does (a
  // splash screen closes on any key, wherever the focus is).
  if (message.message == WM_KEYDOWN && message.hwnd != page->hwnd()) {
    SendMessageA(page->hwnd(), WM_KEYDOWN, message.wParam, message.lParam);
    if (page->hwnd() == nullptr || !IsWindow(message.hwnd)) return true;
  }
  // Tab walks the controls of the object surface in their tab order (the order of the child
  // windows); other keys stay with the focused control.
  HWND surface = page->surface().hwnd();
  if (IsTabKey(message) && surface != nullptr &&
      (message.hwnd == surface || IsChild(surface, message.hwnd))) {
    return IsDialogMessageA(surface, &message) != FALSE;
  }
  return false;
}

int RunPlayerMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslatePageMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void RunModalPage(TAutoRunForm& window, HWND owner) {
  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  window.ShowPage();
  // Like a dialog, the page starts with the focus on its first control in tab order.
  if (HWND surface = window.surface().hwnd()) {
    if (HWND first = GetNextDlgTabItem(surface, nullptr, FALSE)) SetFocus(first);
  }
  bool quit = false;
  int quitCode = 0;
  MSG message;
  while (window.hwnd() != nullptr) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      quit = true;
      quitCode = static_cast<int>(message.wParam);
      break;
    }
    // The owner takes input again before the page goes, so the activation returns to it rather
    // than to another program's window.
    if (message.message == WM_CLOSE && message.hwnd == window.hwnd() && disableOwner)
      EnableWindow(owner, TRUE);
    if (TranslatePageMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (disableOwner) EnableWindow(owner, TRUE);
  if (window.hwnd() != nullptr) window.Destroy();
  if (owner != nullptr && IsWindow(owner) && IsWindowVisible(owner)) SetActiveWindow(owner);
  if (quit) PostQuitMessage(quitCode);
}

ModalPageResult ShowModalPage(StartupContext& context, const TAutoFormInfo& entry, HWND owner,
                              const ModalPagePrepare& prepare) {
  TAutoRunForm window(context);
  if (!window.LoadPage(entry)) return {};
  if (!window.CreatePageWindow(owner, /*mainWindow=*/false)) return {};
  if (prepare) prepare(window);
  RunModalPage(window, owner);
  return {true, window.result(), window.exitRequested()};
}

}  // namespace plexara
