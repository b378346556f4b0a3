// FxTimer: the millisecond timers of the anti-aliased text controls. All timers share one
// service holding a locked list of timer records; one background thread wakes every millisecond,
// fires the due timers that do not ask for the user-interface thread, and asks that thread (through
// a dispatcher the platform supplies) to fire the due timers that do. Every timer of this program
// asks for the user-interface thread, so the text controls themselves stay single-threaded.
//
// A handler that throws is reported once, as an error box with the exception's message, and its
// timer and every other one go on firing. The thread sleeps without waking while no timer runs,
// and the service says when the first timer starts running and when the last one stops, so the
// platform keeps a fine timer resolution only while text is animated.
//
// The clock, the dispatcher and that notice are seams: tests make a service without a thread, set
// the clock and call FireDue themselves.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace plexara {

// The system tick count in milliseconds; it may wrap, intervals are measured modulo 2^32.
class TFxTimerClock {
 public:
  virtual ~TFxTimerClock() = default;
  virtual std::uint32_t Now() = 0;
};

// Asks the user-interface thread to call FireDue(true) on the service soon. Called from the
// timer thread; must not block.
class TFxTimerDispatcher {
 public:
  virtual ~TFxTimerDispatcher() = default;
  virtual void RequestSyncPass() = 0;
};

// Told, in order and with no lock held, when the first timer starts running (enabled, with an
// interval and a handler) and when no timer runs any more.
class TFxTimerActivity {
 public:
  virtual ~TFxTimerActivity() = default;
  virtual void TimersRunning(bool running) = 0;
};

// The steady clock of the process.
TFxTimerClock& SteadyTimerClock();

class TFxTimerService {
 public:
  // With `runThread` the background thread starts at once; without, the owner calls FireDue.
  TFxTimerService(TFxTimerClock& clock, TFxTimerDispatcher* dispatcher, bool runThread,
                  TFxTimerActivity* activity = nullptr);
  // Tells the thread to stop, wakes it and waits for it; then frees every record (a running
  // service says it runs no more).
  ~TFxTimerService();
  TFxTimerService(const TFxTimerService&) = delete;
  TFxTimerService& operator=(const TFxTimerService&) = delete;

  // Fires the due timers whose SyncEvent equals `sync`. A handler may change or destroy any
  // timer, its own included. A handler that throws does not stop the pass; the first failure of
  // each timer is reported by the next pass of the user-interface thread (this one, when `sync`).
  void FireDue(bool sync);

  TFxTimerClock& clock() { return clock_; }

 private:
  friend class TFxTimer;
  struct Record {
    int id = 0;
    bool enabled = true;
    std::uint32_t interval = 1000;
    std::uint32_t lastFire = 0;
    std::uint32_t fireCount = 0;
    std::uint32_t repeatCount = 0;
    bool sync = true;
    bool failed = false;  // a failure of its handler has been reported
    std::shared_ptr<std::function<void()>> handler;
  };

  int Add();
  void Remove(int id);
  // Runs `change` on the record under the lock.
  template <typename Change>
  auto With(int id, Change change) {
    std::lock_guard lock(mutex_);
    return change(*Find(id));
  }
  Record* Find(int id);
  // Enabled, with an interval and a handler.
  static bool Runs(const Record& record);
  bool Due(const Record& record, std::uint32_t now) const;
  // Runs a handler; a failure is kept for reporting (under the lock) unless its timer has failed
  // before.
  void Run(int id, const std::function<void()>& handler);
  // Whether any timer runs now; tells the thread and the activity seam when that changes. Called
  // after every change of a record, with no lock held.
  void UpdateRunning();
  void ThreadLoop();

  TFxTimerClock& clock_;
  TFxTimerDispatcher* dispatcher_;
  TFxTimerActivity* activity_;
  std::mutex mutex_;
  std::vector<Record> records_;
  std::vector<std::string> failures_;  // guarded by mutex_, reported by the next sync pass
  int nextId_ = 1;
  std::atomic<bool> syncPassPending_{false};
  std::mutex runningMutex_;  // orders the notices; taken before mutex_ and wakeMutex_
  std::mutex wakeMutex_;
  std::condition_variable wake_;
  bool stop_ = false;     // guarded by wakeMutex_
  bool running_ = false;  // guarded by wakeMutex_, changed under runningMutex_ too
  std::thread thread_;
};

// The service every timer uses unless given another: the one installed (the Win32 side installs
// one whose dispatcher posts to the user-interface thread), or else one made on first use with the
// steady clock, a thread, and no dispatcher — its timers never fire on their own.
TFxTimerService& SharedFxTimerService();
// Installs the shared service (before any timer uses it) and returns the one it replaces.
std::unique_ptr<TFxTimerService> InstallFxTimerService(std::unique_ptr<TFxTimerService> service);

class TFxTimer {
 public:
  explicit TFxTimer(TFxTimerService& service = SharedFxTimerService());
  ~TFxTimer();
  TFxTimer(const TFxTimer&) = delete;
  TFxTimer& operator=(const TFxTimer&) = delete;

  bool Enabled() const;
  // Switching on clears the fire count and restarts the interval from now.
  void SetEnabled(bool enabled);
  std::uint32_t Interval() const;  // milliseconds; 0 never fires
  // Restarts the interval from now.
  void SetInterval(std::uint32_t interval);
  // Fires per second: 1000 ÷ Interval (0 for Interval 0). Setting clamps to 1/65535…1000 and sets
  // Interval = round(1000 ÷ fps); negative values are ignored.
  double FPS() const;
  void SetFPS(double fps);
  std::uint32_t RepeatCount() const;  // 0 = endless
  void SetRepeatCount(std::uint32_t count);
  std::uint32_t FireCount() const;
  bool SyncEvent() const;
  void SetSyncEvent(bool sync);
  void SetOnTimer(std::function<void()> handler);

 private:
  TFxTimerService& service_;
  int id_;
};

}  // namespace plexara
