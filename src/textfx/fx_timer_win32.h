// The timer service of the text controls on Windows: its background thread asks the
// user-interface thread to fire the due timers by posting to a message-only window of that thread,
// and the system timer resolution is raised to 1 ms while any text timer runs.
#pragma once

#include "textfx/fx_timer.h"

namespace plexara {

// Made on first use, on the user-interface thread (the one that creates the text controls); it
// lives until the program ends, when its thread is stopped and waited for.
TFxTimerService& Win32FxTimerService();

}  // namespace plexara
