#include "platform/sound_mci_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <string>

namespace plexara::win32 {
namespace {

class MciChannel final : public SoundChannel {
 public:
  MciChannel() {
    static std::atomic<int> next{0};
    alias_ = "plexara_sound" + std::to_string(next++);
  }
  ~MciChannel() override { Close(); }

  bool Play(const std::string& path) override {
    Close();
    if (!Send("open \"" + path + "\" alias " + alias_)) return false;
    open_ = true;
    return Send("play " + alias_);
  }

  bool Playing() override {
    if (!open_) return false;
    char mode[64] = {};
    if (mciSendStringA(("status " + alias_ + " mode").c_str(), mode, sizeof(mode), nullptr) != 0) return false;
    return std::string(mode) == "playing";
  }

  void Stop() override {
    if (open_) Send("stop " + alias_);
  }

 private:
  static bool Send(const std::string& command) { return mciSendStringA(command.c_str(), nullptr, 0, nullptr) == 0; }
  void Close() {
    if (open_) Send("close " + alias_);
    open_ = false;
  }

  std::string alias_;
  bool open_ = false;
};

class MciSystem final : public SoundSystem {
 public:
  std::unique_ptr<SoundChannel> OpenChannel() override { return std::make_unique<MciChannel>(); }
};

}  // namespace

void InstallMciSoundSystem() {
  static MciSystem system;
  SetSoundSystem(&system);
}

}  // namespace plexara::win32
