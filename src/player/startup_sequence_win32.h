// The player's start-up sequence with real windows: the splash screens, the install list behind an
// invisible window and the screen backgrounds before the main window; the agreement and security
// forms and the Main Page while the main window is made; the exit form when it is about to close.
// Every form is a page window shown modally (modal_page_win32.h) that reports its result byte.
#pragma once

#include "player/page_window_win32.h"
#include "storage/startup_context.h"

namespace plexara {

// Whether the running process has administrator rights (its token is in the Administrators group).
bool ProcessRunsAsAdministrator();

// The steps before the main window, in order: the privilege check, every Splash Screen (each
// modal), the install list behind an invisible zero-size window, every Screen Background (kept
// open until the process ends). False when the process must end: the privilege is missing (its box
// has been shown) or a splash screen or screen background did not load (its loader reported why).
bool RunPrePages(StartupContext& context, const FileSystemProbe& probe, bool runsAsAdministrator);

enum class MainWindowStart : std::uint8_t {
  Ready,    // the main window exists with its page and can be shown
  Refused,  // the agreement or security form was not accepted: the application ends quietly
  Failed,   // the Main Page did not load or the window could not be made (reported)
};

// Makes the main window: the Agreement Form, then the Security Form (each the first of its kind,
// modal; one that does not load counts as accepted), then the first Main Page loaded into the
// window (the default empty page without one), its caption as the application title when the
// project has none, and the tab strip of the tabbed notebook style. The window also gets the exit
// form as its close query.
MainWindowStart RunMainWindowStart(StartupContext& context, TAutoRunForm& mainWindow);

// Asked when the shown main window is about to close: true without an exit form, when it does not
// load, or when it closes with its result still 1 (stay time, click, "OK", "Close Window"); a
// "Cancel" keeps the main window open.
bool ExitFormAllowsClose(StartupContext& context, TAutoRunForm& mainWindow);

// Closes the screen backgrounds at the end of the process.
void CloseScreenBackgrounds();

}  // namespace plexara
