#include "skin/paint/win/fade_timer.h"

#include <gtest/gtest.h>

#include "skin/paint/win/anim_timer.h"
#include "skin/paint/win/tests/fade_probe.h"
#include "skin/paint/win/threaded_timer.h"
#include "skin/paint/win/timer_resolution.h"
#include "tests/support/leak_probe.h"
#include "tests/support/message_pump.h"

namespace {

constexpr int kPatienceMs = 5000;  // a guard against a fade that never ends, not a timing

std::vector<int> BluesOfWeights(std::initializer_list<int> weights) {
  std::vector<int> blues;
  for (int w : weights) blues.push_back(255 * w >> 8);
  return blues;
}

// Frames over real 12 ms ticks: the old picture's weight falls step by step
// and the fade ends in the new picture; at its end the object frees the
// timer inside the timer's own tick, which goes only when the tick returns.
TEST(FadeTimer, FramesOverRealTicksEndInTheNewPictureAndTheTimerGoesAfterItsLastTick) {
  struct TCase {
    const char* Name;
    bool Half;
    bool TurnRoundDuringFadeDown;
    std::vector<int> Blues;
  };
  const TCase cases[] = {
      {"full fade", false, false, BluesOfWeights({232, 209, 186, 163, 140, 116, 93, 70, 47, 24, 0})},
      {"half fade", true, false, BluesOfWeights({204, 153, 102, 51, 0})},
      // A change after the first frame of a fade down shows the new look at once: no more frames.
      {"turned during a fade down", false, true, BluesOfWeights({232})},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFadeProbe probe;
    if (c.TurnRoundDuringFadeDown)
      probe.OnFrame = [&probe](int frames) {
        if (frames == 1) DoChangePaint(probe.Fade, probe, false, fdUp);
      };
    DoChangePaint(probe.Fade, probe, c.Half, c.TurnRoundDuringFadeDown ? fdDown : fdUp);
    ASSERT_NE(probe.Fade, nullptr);
    EXPECT_EQ(acAnimCount, 1);
    EXPECT_EQ(TimerResolutionHolders(), 1);
    ASSERT_TRUE(PumpUntil([&] { return probe.Stops > 0; }, kPatienceMs));
    EXPECT_EQ(probe.Blues, c.Blues);
    if (!c.TurnRoundDuringFadeDown) {
      EXPECT_TRUE(probe.LastFrameIsNewLook);
    }
    EXPECT_EQ(probe.Stops, 1);
    EXPECT_EQ(probe.Fade, nullptr);
    EXPECT_EQ(probe.TimersAliveInStop, 1) << "freed before its own tick returned";
    EXPECT_EQ(acAnimCount, 0) << "not freed once its tick returned";
    EXPECT_EQ(TimerResolutionHolders(), 0);
  }
}

TEST(FadeTimer, AnObjectThatMayNotFadeRepaintsAtOnceAndStopsItsFade) {
  TFadeProbe probe;
  DoChangePaint(probe.Fade, probe, false, fdUp);
  ASSERT_NE(probe.Fade, nullptr);
  probe.BackgroundChanged = true;  // a second change before the cache was rebuilt
  DoChangePaint(probe.Fade, probe, false, fdDown);
  EXPECT_EQ(probe.Fade, nullptr);
  EXPECT_EQ(probe.Repaints, 1);
  EXPECT_EQ(acAnimCount, 0);
  EXPECT_EQ(TimerResolutionHolders(), 0);
  PumpFor(50);
  EXPECT_TRUE(probe.Blues.empty());
}

TEST(AnimTimer, RepaintsFromTwelveMixedPicturesThenStops) {
  TFadeProbe probe;
  TsAnimTimer timer(nullptr);
  timer.SetOwnerData(&probe);
  probe.Cache = FilledBitmap(4, 3, kNewLook);  // the new look, after the timer took the old one
  ASSERT_TRUE(PumpUntil([&] { return probe.Stops > 0; }, kPatienceMs));
  EXPECT_EQ(probe.Invalidations, 12);  // steps 0 to 11
  EXPECT_EQ(GetAPixel(timer.WorkImage(), 0, 0), kNewLook);
  EXPECT_FALSE(timer.GetEnabled());
  EXPECT_EQ(TimerResolutionHolders(), 0);
}

// Counts of the system calls for the timer resolution.
int gBegins = 0;
int gEnds = 0;
UINT CountBegin(UINT) { return ++gBegins, 0; }
UINT CountEnd(UINT) { return ++gEnds, 0; }

TEST(TimerResolution, AskedForByTheFirstRunningTimerAndGivenBackByTheLast) {
  const TacTimePeriodCalls system = SetTimePeriodCalls({CountBegin, CountEnd});
  gBegins = gEnds = 0;
  {
    TFadeProbe first, second;
    DoChangePaint(first.Fade, first, false, fdUp);
    DoChangePaint(second.Fade, second, false, fdUp);
    TacThreadedTimer threaded(nullptr);
    threaded.SetInterval(5);
    threaded.SetOnTimer([](TComponent*) {});
    EXPECT_EQ(TimerResolutionHolders(), 3);
    EXPECT_EQ(gBegins, 1);
    ASSERT_TRUE(PumpUntil([&] { return first.Stops > 0 && second.Stops > 0; }, kPatienceMs));
    EXPECT_EQ(gEnds, 0) << "given back while the threaded timer runs";
    threaded.SetEnabled(false);
    EXPECT_EQ(gEnds, 1);
    threaded.SetEnabled(true);
    EXPECT_EQ(gBegins, 2);
  }
  EXPECT_EQ(gEnds, 2);
  EXPECT_EQ(TimerResolutionHolders(), 0);
  SetTimePeriodCalls(system);
}

TEST(FadeTimer, StartAndStopAThousandTimesLeavesNothingBehind) {
  TFadeProbe probe;
  // The first round makes what lives as long as the thread (its timer window).
  DoChangePaint(probe.Fade, probe, false, fdUp);
  StopFading(probe.Fade);
  const TLeakProbe before = TLeakProbe::Take();
  for (int i = 0; i < 1000; ++i) {
    probe.Cache = FilledBitmap(4, 3, kOldLook);
    DoChangePaint(probe.Fade, probe, false, i % 2 ? fdUp : fdDown);
    const size_t frames = probe.Blues.size();
    if (i % 100 == 0) {
      ASSERT_TRUE(PumpUntil([&] { return probe.Blues.size() > frames; }, kPatienceMs));
    }
    StopFading(probe.Fade);
  }
  PumpFor(20);
  EXPECT_EQ(TLeakProbe::Take().DriftSince(before), "");
  EXPECT_EQ(acAnimCount, 0);
  EXPECT_EQ(TimerResolutionHolders(), 0);
}

}  // namespace
