#include "platform/sound_seam.h"

namespace plexara {
namespace {

class SilentChannel final : public SoundChannel {
 public:
  bool Play(const std::string&) override { return false; }
  bool Playing() override { return false; }
  void Stop() override {}
};

class SilentSystem final : public SoundSystem {
 public:
  std::unique_ptr<SoundChannel> OpenChannel() override { return std::make_unique<SilentChannel>(); }
};

SilentSystem defaultSystem;
SoundSystem* currentSystem = &defaultSystem;

}  // namespace

SoundSystem& CurrentSoundSystem() { return *currentSystem; }

SoundSystem* SetSoundSystem(SoundSystem* system) {
  SoundSystem* previous = currentSystem;
  currentSystem = system ? system : &defaultSystem;
  return previous;
}

}  // namespace plexara
