// Showing a page window modally, and the message loops that page windows run in. A modal page is
// owned by the window that shows it (or by none before the main window exists); its owner takes no
// input while it is open, and the call returns once the page has closed, with the result and
// exit-requested bytes the page ended with. Splash screens, the agreement, security and exit forms
// and sub pages are all shown this way.
//
// Both loops give page windows what a plain loop would not: the menus' shortcut keys, key presses
// seen by the page before its controls (a splash screen closes on any key), and Tab moving between
// the page's controls in their tab order.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "player/page_window_win32.h"
#include "storage/startup_context.h"

namespace plexara {

struct ModalPageResult {
  bool shown = false;  // false: the page could not be loaded or its window not created
  std::uint8_t result = 0;
  std::uint8_t exitRequested = 0;
};

// Runs on the loaded page window after its window exists and before it is shown: the place to set
// its starting result (the exit form starts accepted), to silence the calling page, or for tests to
// replace the fade pause.
using ModalPagePrepare = std::function<void(TAutoRunForm& window)>;

// Loads the page an entry names (full load) into a new page window owned by owner, shows it
// modally and destroys it when it closes. A page that does not load is not shown; its loader has
// reported why.
ModalPageResult ShowModalPage(StartupContext& context, const TAutoFormInfo& entry, HWND owner,
                              const ModalPagePrepare& prepare = {});

// Shows a created page window modally over owner (null: no owner) and returns once it has closed.
// A WM_QUIT that arrives meanwhile closes the window and is passed on to the enclosing loop.
void RunModalPage(TAutoRunForm& window, HWND owner);

// The page windows' share of message handling before a message is dispatched: menu shortcuts, key
// preview and Tab navigation. True when the message has been handled and must not be dispatched.
bool TranslatePageMessage(MSG& message);

// The application message loop of the player: runs until WM_QUIT and returns its exit code.
int RunPlayerMessageLoop();

}  // namespace plexara
