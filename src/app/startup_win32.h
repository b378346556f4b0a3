// Process start and end on Windows: fixes the context, runs the editor or the player, and removes
// the temporary files at the end.
#pragma once

namespace plexara {

// Never returns to a caller other than the process entry; the result is the exit code.
int RunApplication();

}  // namespace plexara
