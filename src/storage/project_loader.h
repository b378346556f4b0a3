// The player's project loader: reads the project from the source folder, the target file or the
// data appended to the executable, according to the context's source mode. It reports its own
// failure once; the caller then ends the process without a second message.
#pragma once

#include "app/startup_context.h"

namespace plexara {

inline constexpr int kCodeLoadProject = 1070;

bool LoadProject(StartupContext& context);

}  // namespace plexara
