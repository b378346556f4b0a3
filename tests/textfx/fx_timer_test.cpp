// The millisecond timer service with a stepped clock: when a timer is due, repeat counts, what
// enabling and a new interval restart, FPS, handlers that change timers or throw, when the service
// says timers run, and the real thread handing synchronised timers to the thread that asked for
// them.
#include "textfx/fx_timer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "support/recording_reporter.h"

namespace plexara {
namespace {

class SteppedClock final : public TFxTimerClock {
 public:
  std::uint32_t Now() override { return now; }
  std::uint32_t now = 0xFFFFFF00u;  // close to wrapping, so intervals are measured modulo 2^32
};

struct TimerTest : testing::Test {
  SteppedClock clock;
  TFxTimerService service{clock, nullptr, false};
  void Advance(std::uint32_t ms) {
    clock.now += ms;
    service.FireDue(true);
  }
};

TEST_F(TimerTest, FiresEveryIntervalUntilItsRepeatCount) {
  TFxTimer timer(service);
  int fired = 0;
  timer.SetInterval(10);
  timer.SetRepeatCount(3);
  timer.SetOnTimer([&] { ++fired; });
  Advance(9);
  EXPECT_EQ(fired, 0);
  Advance(1);
  EXPECT_EQ(fired, 1);
  Advance(300);  // one fire per pass, however late
  Advance(10);
  EXPECT_EQ(fired, 3);
  EXPECT_FALSE(timer.Enabled());
  Advance(10);
  EXPECT_EQ(fired, 3);

  // Enabling again clears the count and starts the interval from now.
  clock.now += 5;
  timer.SetEnabled(true);
  EXPECT_EQ(timer.FireCount(), 0u);
  Advance(9);
  EXPECT_EQ(fired, 3);
  Advance(1);
  EXPECT_EQ(fired, 4);

  // A new interval also counts from now; interval 0 never fires.
  Advance(7);
  timer.SetInterval(10);
  Advance(7);
  EXPECT_EQ(fired, 4);
  timer.SetInterval(0);
  Advance(100000);
  EXPECT_EQ(fired, 4);
}

TEST_F(TimerTest, OnlyTimersOfTheAskedKindFire) {
  TFxTimer sync(service), background(service), idle(service);
  int syncFired = 0, backgroundFired = 0;
  sync.SetInterval(5);
  sync.SetOnTimer([&] { ++syncFired; });
  background.SetInterval(5);
  background.SetSyncEvent(false);
  background.SetOnTimer([&] { ++backgroundFired; });
  idle.SetInterval(5);  // no handler: never due
  clock.now += 5;
  service.FireDue(false);
  EXPECT_EQ(backgroundFired, 1);
  EXPECT_EQ(syncFired, 0);
  service.FireDue(true);
  EXPECT_EQ(syncFired, 1);
}

TEST_F(TimerTest, AHandlerMayStopOrDestroyATimerDueInTheSamePass) {
  std::unique_ptr<TFxTimer> second;
  TFxTimer first(service);  // registered first, so it fires first
  second = std::make_unique<TFxTimer>(service);
  int secondFired = 0;
  second->SetInterval(5);
  second->SetOnTimer([&] { ++secondFired; });
  first.SetInterval(5);
  first.SetOnTimer([&] { second.reset(); });
  Advance(5);
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(secondFired, 0);
}

TEST_F(TimerTest, FramesPerSecondSetTheInterval) {
  TFxTimer timer(service);
  struct Case {
    double fps;
    std::uint32_t interval;
  } cases[] = {{0.5, 2000}, {3, 333}, {1000, 1}, {5000, 1}, {0, 65535000}, {-4, 65535000}};
  for (const Case& c : cases) {
    timer.SetFPS(c.fps);
    EXPECT_EQ(timer.Interval(), c.interval) << c.fps;
  }
  timer.SetInterval(250);
  EXPECT_DOUBLE_EQ(timer.FPS(), 4.0);
}

TEST_F(TimerTest, AThrowingHandlerIsReportedOnceAndNothingStops) {
  testing_support::ScopedRecording recording;
  TFxTimer failing(service), other(service), background(service);
  int failingFired = 0, otherFired = 0;
  failing.SetInterval(5);
  failing.SetOnTimer([&] {
    ++failingFired;
    throw std::runtime_error("Invalid line!");
  });
  other.SetInterval(5);  // registered after the failing one: fires in the same pass
  other.SetOnTimer([&] { ++otherFired; });
  background.SetInterval(5);
  background.SetSyncEvent(false);
  background.SetOnTimer([] { throw 42; });

  for (int pass = 0; pass < 3; ++pass) Advance(5);
  EXPECT_EQ(failingFired, 3);
  EXPECT_EQ(otherFired, 3);
  EXPECT_TRUE(failing.Enabled());
  ASSERT_EQ(testing_support::Recorder().boxes.size(), 1u);
  EXPECT_EQ(testing_support::Recorder().boxes[0].text, "Invalid line!");
  EXPECT_EQ(testing_support::Recorder().boxes[0].caption, "Error");

  // A failure on the timer thread waits for the next pass of the user-interface thread.
  clock.now += 5;
  service.FireDue(false);
  EXPECT_EQ(testing_support::Recorder().boxes.size(), 1u);
  service.FireDue(true);
  ASSERT_EQ(testing_support::Recorder().boxes.size(), 2u);
  EXPECT_FALSE(testing_support::Recorder().boxes[1].text.empty());
  Advance(5);
  service.FireDue(false);
  service.FireDue(true);
  EXPECT_EQ(testing_support::Recorder().boxes.size(), 2u);
}

class RecordingActivity final : public TFxTimerActivity {
 public:
  void TimersRunning(bool running) override { notices.push_back(running); }
  std::vector<bool> notices;
};

TEST(TimerActivity, SaysWhenTheFirstTimerRunsAndWhenNoneDoes) {
  SteppedClock clock;
  RecordingActivity activity;
  using Notices = std::vector<bool>;
  {
    TFxTimerService service(clock, nullptr, false, &activity);
    TFxTimer a(service);
    a.SetInterval(10);
    EXPECT_EQ(activity.notices, Notices{}) << "no handler yet";
    a.SetOnTimer([] {});
    EXPECT_EQ(activity.notices, Notices{true});
    auto b = std::make_unique<TFxTimer>(service);
    b->SetInterval(5);
    b->SetOnTimer([] {});
    a.SetEnabled(false);
    EXPECT_EQ(activity.notices, Notices{true}) << "b still runs";
    b.reset();
    EXPECT_EQ(activity.notices, (Notices{true, false}));
    a.SetEnabled(true);
    a.SetInterval(0);
    EXPECT_EQ(activity.notices, (Notices{true, false, true, false})) << "interval 0 never fires";
    a.SetInterval(10);
    a.SetRepeatCount(1);
    clock.now += 10;
    service.FireDue(true);
    EXPECT_FALSE(a.Enabled());
    EXPECT_EQ(activity.notices, (Notices{true, false, true, false, true, false}))
        << "the last fire of its repeat count stops it";
    a.SetEnabled(true);
  }
  EXPECT_EQ(activity.notices.back(), false) << "destroying the last running timer";
  EXPECT_EQ(activity.notices.size(), 8u);
}

class CountingDispatcher final : public TFxTimerDispatcher {
 public:
  void RequestSyncPass() override { ++requests; }
  std::atomic<int> requests{0};
};

TEST(TimerThread, HandsSynchronisedTimersToTheAskingThread) {
  CountingDispatcher dispatcher;
  TFxTimerService service(SteadyTimerClock(), &dispatcher, true);
  TFxTimer timer(service);
  std::thread::id firedOn;
  timer.SetInterval(2);
  timer.SetOnTimer([&] { firedOn = std::this_thread::get_id(); });
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (dispatcher.requests == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_GT(dispatcher.requests, 0);
  // One request until the pass has run, however long the asked thread takes.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(dispatcher.requests, 1);
  service.FireDue(true);
  EXPECT_EQ(firedOn, std::this_thread::get_id());
}

}  // namespace
}  // namespace plexara
