#include "textfx/fx_timer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>

#include "storage/error_report.h"

namespace plexara {
namespace {

class SteadyClock final : public TFxTimerClock {
 public:
  std::uint32_t Now() override {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
  }
};

std::unique_ptr<TFxTimerService>& SharedSlot() {
  static std::unique_ptr<TFxTimerService> service;
  return service;
}

}  // namespace

TFxTimerClock& SteadyTimerClock() {
  static SteadyClock clock;
  return clock;
}

TFxTimerService::TFxTimerService(TFxTimerClock& clock, TFxTimerDispatcher* dispatcher,
                                 bool runThread, TFxTimerActivity* activity)
    : clock_(clock), dispatcher_(dispatcher), activity_(activity) {
  if (runThread) thread_ = std::thread([this] { ThreadLoop(); });
}

TFxTimerService::~TFxTimerService() {
  {
    std::lock_guard lock(wakeMutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
  {
    std::lock_guard lock(mutex_);
    records_.clear();
  }
  if (running_ && activity_ != nullptr) activity_->TimersRunning(false);
}

void TFxTimerService::ThreadLoop() {
  std::unique_lock lock(wakeMutex_);
  while (!stop_) {
    // While no timer runs nothing can fall due: sleep until one starts, or the service ends.
    if (!running_) {
      wake_.wait(lock, [this] { return stop_ || running_; });
      continue;
    }
    wake_.wait_for(lock, std::chrono::milliseconds(1), [this] { return stop_; });
    if (stop_) break;
    lock.unlock();
    FireDue(false);
    bool syncDue = false;
    {
      std::lock_guard listLock(mutex_);
      const std::uint32_t now = clock_.Now();
      syncDue =
          !failures_.empty() || std::any_of(records_.begin(), records_.end(),
                                            [&](const Record& r) { return r.sync && Due(r, now); });
    }
    // One request at a time: the user-interface thread fires everything due when it gets to it.
    if (syncDue && dispatcher_ != nullptr && !syncPassPending_.exchange(true))
      dispatcher_->RequestSyncPass();
    lock.lock();
  }
}

bool TFxTimerService::Runs(const Record& record) {
  return record.enabled && record.interval != 0 && record.handler && *record.handler;
}

bool TFxTimerService::Due(const Record& record, std::uint32_t now) const {
  return Runs(record) && static_cast<std::uint32_t>(now - record.lastFire) >= record.interval;
}

void TFxTimerService::UpdateRunning() {
  std::lock_guard order(runningMutex_);
  bool running = false;
  {
    std::lock_guard lock(mutex_);
    running = std::any_of(records_.begin(), records_.end(), Runs);
  }
  {
    std::lock_guard lock(wakeMutex_);
    if (running == running_) return;
    running_ = running;
  }
  wake_.notify_all();
  if (activity_ != nullptr) activity_->TimersRunning(running);
}

TFxTimerService::Record* TFxTimerService::Find(int id) {
  for (Record& record : records_) {
    if (record.id == id) return &record;
  }
  return nullptr;
}

void TFxTimerService::FireDue(bool sync) {
  if (sync) syncPassPending_ = false;
  std::vector<int> due;
  {
    std::lock_guard lock(mutex_);
    const std::uint32_t now = clock_.Now();
    for (const Record& record : records_) {
      if (record.sync == sync && Due(record, now)) due.push_back(record.id);
    }
  }
  // Each timer is looked at again just before it fires: an earlier handler may have stopped,
  // changed or destroyed it. The handler runs outside the lock so that it may change timers.
  bool stopped = false;
  for (int id : due) {
    std::shared_ptr<std::function<void()>> handler;
    {
      std::lock_guard lock(mutex_);
      Record* record = Find(id);
      const std::uint32_t now = clock_.Now();
      if (record == nullptr || record->sync != sync || !Due(*record, now)) continue;
      record->lastFire = now;
      ++record->fireCount;
      if (record->repeatCount != 0 && record->fireCount >= record->repeatCount) {
        record->enabled = false;
        stopped = true;
      }
      handler = record->handler;
    }
    Run(id, *handler);
  }
  if (stopped) UpdateRunning();
  if (!sync) return;
  std::vector<std::string> failures;
  {
    std::lock_guard lock(mutex_);
    failures.swap(failures_);
  }
  // A modal box lets the other timers go on firing meanwhile; a timer that fails on every tick
  // is shown once, not once a tick.
  for (const std::string& failure : failures) ShowErrorBox(failure);
}

void TFxTimerService::Run(int id, const std::function<void()>& handler) {
  std::string failure;
  try {
    handler();
    return;
  } catch (const std::exception& error) {
    failure = error.what();
  } catch (...) {
    failure = "Unknown exception in a timer handler.";
  }
  std::lock_guard lock(mutex_);
  Record* record = Find(id);
  if (record != nullptr) {
    if (record->failed) return;
    record->failed = true;
  }
  failures_.push_back(std::move(failure));
}

int TFxTimerService::Add() {
  std::lock_guard lock(mutex_);
  Record record;
  record.id = nextId_++;
  record.lastFire = clock_.Now();
  records_.push_back(std::move(record));
  return records_.back().id;
}

void TFxTimerService::Remove(int id) {
  {
    std::lock_guard lock(mutex_);
    std::erase_if(records_, [id](const Record& r) { return r.id == id; });
  }
  UpdateRunning();
}

TFxTimerService& SharedFxTimerService() {
  std::unique_ptr<TFxTimerService>& slot = SharedSlot();
  if (!slot) slot = std::make_unique<TFxTimerService>(SteadyTimerClock(), nullptr, true);
  return *slot;
}

std::unique_ptr<TFxTimerService> InstallFxTimerService(std::unique_ptr<TFxTimerService> service) {
  std::unique_ptr<TFxTimerService> previous = std::move(SharedSlot());
  SharedSlot() = std::move(service);
  return previous;
}

TFxTimer::TFxTimer(TFxTimerService& service) : service_(service), id_(service.Add()) {}

TFxTimer::~TFxTimer() { service_.Remove(id_); }

bool TFxTimer::Enabled() const {
  return service_.With(id_, [](auto& r) { return r.enabled; });
}

void TFxTimer::SetEnabled(bool enabled) {
  const std::uint32_t now = service_.clock().Now();
  service_.With(id_, [&](auto& r) {
    if (enabled && !r.enabled) {
      r.fireCount = 0;
      r.lastFire = now;
    }
    r.enabled = enabled;
  });
  service_.UpdateRunning();
}

std::uint32_t TFxTimer::Interval() const {
  return service_.With(id_, [](auto& r) { return r.interval; });
}

void TFxTimer::SetInterval(std::uint32_t interval) {
  const std::uint32_t now = service_.clock().Now();
  service_.With(id_, [&](auto& r) {
    r.interval = interval;
    r.lastFire = now;
  });
  service_.UpdateRunning();
}

double TFxTimer::FPS() const {
  const std::uint32_t interval = Interval();
  return interval == 0 ? 0.0 : 1000.0 / interval;
}

void TFxTimer::SetFPS(double fps) {
  if (!(fps >= 0.0)) return;  // negative values (and NaN) are ignored
  fps = std::clamp(fps, 1.0 / 65535.0, 1000.0);
  SetInterval(static_cast<std::uint32_t>(std::lround(1000.0 / fps)));
}

std::uint32_t TFxTimer::RepeatCount() const {
  return service_.With(id_, [](auto& r) { return r.repeatCount; });
}

void TFxTimer::SetRepeatCount(std::uint32_t count) {
  service_.With(id_, [&](auto& r) { r.repeatCount = count; });
}

std::uint32_t TFxTimer::FireCount() const {
  return service_.With(id_, [](auto& r) { return r.fireCount; });
}

bool TFxTimer::SyncEvent() const {
  return service_.With(id_, [](auto& r) { return r.sync; });
}

void TFxTimer::SetSyncEvent(bool sync) {
  service_.With(id_, [&](auto& r) { r.sync = sync; });
}

void TFxTimer::SetOnTimer(std::function<void()> handler) {
  auto shared = std::make_shared<std::function<void()>>(std::move(handler));
  service_.With(id_, [&](auto& r) { r.handler = std::move(shared); });
  service_.UpdateRunning();
}

}  // namespace plexara
