// The sound seam: a page window plays its start sound, its objects' sounds and the "Play Sound"
// action each on a channel of its own, one file at a time, through the platform's media control
// interface. Tests install a recording system; the real one is installed at start.
#pragma once

#include <memory>
#include <string>

namespace plexara {

class SoundChannel {
 public:
  virtual ~SoundChannel() = default;
  // Closes what the channel played before, then opens and plays the file; false when the media
  // interface refused.
  virtual bool Play(const std::string& path) = 0;
  // Whether the last file is still playing.
  virtual bool Playing() = 0;
  virtual void Stop() = 0;
};

class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
  virtual std::unique_ptr<SoundChannel> OpenChannel() = 0;
};

// Until the platform installs its own (and natively), channels play nothing and report failure.
SoundSystem& CurrentSoundSystem();
// Replaces the system; returns the previous one (null restores the default). The caller keeps
// ownership.
SoundSystem* SetSoundSystem(SoundSystem* system);

}  // namespace plexara
