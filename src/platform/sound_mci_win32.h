// Sound channels over the media control interface's string commands, one device alias per channel.
#pragma once

#include "platform/sound_seam.h"

namespace plexara::win32 {

// Makes the media-control sound system current.
void InstallMciSoundSystem();

}  // namespace plexara::win32
