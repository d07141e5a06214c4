#include "skin/paint/win/threaded_timer.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/support/leak_probe.h"
#include "tests/support/message_pump.h"

namespace {

constexpr int kPatienceMs = 5000;  // a guard against a tick that never comes, not a timing

// A timer whose handler counts its ticks.
struct TCountedTimer {
  explicit TCountedTimer(unsigned Interval, bool WithHandler = true) {
    Timer->SetInterval(Interval);
    if (WithHandler) Timer->SetOnTimer([this](TComponent*) { ++Ticks; });
  }
  ~TCountedTimer() { delete Timer; }
  TacThreadedTimer* Timer = new TacThreadedTimer(nullptr);
  int Ticks = 0;
};

// The first timer of a thread, its first tick and the first worker to end
// make what lives as long as the thread or the process (the thread's timer
// window, the system's own bookkeeping of threads).
void WarmUp() {
  int ticks = 0;
  TacThreadedTimer timer(nullptr);
  timer.SetInterval(1);
  timer.SetOnTimer([&ticks](TComponent*) { ++ticks; });
  PumpUntil([&] { return ticks > 0; }, kPatienceMs);
  timer.Reset();
  PumpUntil([&] { return ticks > 1; }, kPatienceMs);
}

// A sent message waits in this thread's queue: the worker has handed a tick over.
bool TickHandedOver() { return (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0; }

TEST(ThreadedTimer, TicksOnlyWithAnIntervalAHandlerAndEnabled) {
  struct TCase {
    const char* Name;
    unsigned Interval;
    bool Handler;
    bool Enabled;
    bool Ticks;
  };
  const TCase cases[] = {
      {"interval 0", 0, true, true, false},
      {"no handler", 5, false, true, false},
      {"disabled", 5, true, false, false},
      {"interval, handler, enabled", 5, true, true, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TCountedTimer counted(c.Interval, c.Handler);
    counted.Timer->SetEnabled(c.Enabled);
    ASSERT_TRUE(counted.Timer->WorkerStarted());
    if (c.Ticks) {
      EXPECT_TRUE(PumpUntil([&] { return counted.Ticks >= 3; }, kPatienceMs));
    } else {
      PumpFor(150);  // thirty intervals
      EXPECT_EQ(counted.Ticks, 0);
    }
  }
}

TEST(ThreadedTimer, AWorkerWaitingForItsIntervalOrPausedEndsAtOnceWithoutAFinalTick) {
  WarmUp();
  for (bool paused : {false, true}) {
    SCOPED_TRACE(paused ? "paused" : "waiting");
    const TLeakProbe before = TLeakProbe::Take();
    {
      TCountedTimer counted(INFINITE - 1);  // never due
      counted.Timer->SetEnabled(!paused);
      PumpFor(20);
      // Returns only once the worker has ended (a hang fails by the test's time-out).
      delete std::exchange(counted.Timer, nullptr);
      PumpFor(50);
      EXPECT_EQ(counted.Ticks, 0);
    }
    EXPECT_EQ(TLeakProbe::Take().DriftSince(before), "") << "the worker's thread or events are left";
  }
}

TEST(ThreadedTimer, KillingItWhileItsWorkerHandsATickOverDoesNotDeadlock) {
  int ticks = 0;
  auto* timer = new TacThreadedTimer(nullptr);
  timer->SetInterval(1);
  timer->SetOnTimer([&ticks](TComponent*) { ++ticks; });
  // This thread runs no messages now: the worker's first tick waits for it.
  for (int waited = 0; !TickHandedOver() && waited < kPatienceMs; ++waited) Sleep(1);
  ASSERT_TRUE(TickHandedOver());
  delete timer;
  PumpFor(50);
  EXPECT_EQ(ticks, 0) << "the tick handed over to a killed timer ran";
}

TEST(ThreadedTimer, FreedFromItsOwnTickItEndsAfterThatTick) {
  int ticks = 0;
  auto* timer = new TacThreadedTimer(nullptr);
  timer->SetInterval(1);
  timer->SetOnTimer([&ticks, timer](TComponent*) {
    ++ticks;
    delete timer;
  });
  EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }, kPatienceMs));
  PumpFor(50);
  EXPECT_EQ(ticks, 1);
}

TEST(ThreadedTimer, StartAndKillAThousandTimesLeavesNothingBehind) {
  int ticks = 0;
  TacThreadedTimer timer(nullptr);
  timer.SetOnTimer([&ticks](TComponent*) { ++ticks; });
  timer.SetInterval(1);
  WarmUp();
  const TLeakProbe before = TLeakProbe::Take();
  for (int i = 0; i < 1000; ++i) {
    timer.Reset();
    if (i % 100 == 0) {
      const int seen = ticks;
      ASSERT_TRUE(PumpUntil([&] { return ticks > seen; }, kPatienceMs));
    }
  }
  timer.KillTimer();
  EXPECT_FALSE(timer.WorkerStarted());
  timer.StartTimer();
  EXPECT_EQ(TLeakProbe::Take().DriftSince(before), "");
}

}  // namespace
