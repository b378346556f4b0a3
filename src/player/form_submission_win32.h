// SubmitForm on a page window: what a "Submit" button does. The decision is the portable one
// (form_submission.h); here the wrong-entry counts come from the page's Edit controls, the boxes
// go through the message-box seam owned by the page window, the programs of checked choices run
// through the page's shell runner (behind the wait window when they wait), and the form closes
// with its result.
#pragma once

#include "player/page_window_win32.h"

namespace plexara {

void SubmitForm(TAutoRunForm& window);

}  // namespace plexara
