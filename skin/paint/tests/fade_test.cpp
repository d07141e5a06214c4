#include "skin/paint/fade.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/paint/tests/paint_test_util.h"

namespace {

// Old picture all 255 (blue channel), new picture all 0: a frame's blue
// channel is (255 * w) >> 8 for the old picture's weight w.
std::vector<int> BlueOfEveryFrame(TacFadeProgress& fade, const TBitmap32& cache) {
  std::vector<int> blues;
  TBitmap32 frame;
  while (fade.InRange() && fade.NextFrame(cache, frame)) blues.push_back(static_cast<int>(GetAPixel(frame, 1, 0) & 0xFF));
  return blues;
}

TEST(Fade, AFreshFadeDrawsElevenFramesWithFallingWeightsThenEnds) {
  const TBitmap32 old = FilledBitmap(2, 1, 0xFF0000FF);
  const TBitmap32 cache = FilledBitmap(2, 1, 0xFF000000);
  TacFadeProgress fade;
  ASSERT_TRUE(FadeMayStart({.HasCache = true}));
  fade.Restart(true, false, old);
  fade.SetDirection(fdUp);
  EXPECT_TRUE(fade.Enabled());
  std::vector<int> weights;
  for (int s = fade.Step(); s <= fade.StepCount(); ++s) weights.push_back(FadeOldWeight(s, fade.StepCount()));
  EXPECT_EQ(weights, (std::vector<int>{232, 209, 186, 163, 140, 116, 93, 70, 47, 24, 0}));
  std::vector<int> expected;
  for (int w : weights) expected.push_back(255 * w >> 8);
  EXPECT_EQ(BlueOfEveryFrame(fade, cache), expected);
  EXPECT_FALSE(fade.InRange());  // the next tick stops the timer
}

TEST(Fade, TheHalfFlagGivesFiveSteps) {
  const TBitmap32 pic = FilledBitmap(2, 1, 0xFF0000FF);
  TacFadeProgress fade;
  fade.Restart(true, true, pic);
  fade.SetDirection(fdDown);
  EXPECT_EQ(fade.Step(), 1);
  EXPECT_EQ(fade.StepCount(), 5);
  EXPECT_EQ(BlueOfEveryFrame(fade, FilledBitmap(2, 1, 0xFF000000)).size(), 5u);
}

TEST(Fade, AChangeDuringAFadeDownShowsTheNewLookAtOnceAndDuringAFadeUpRestarts) {
  const TBitmap32 pic = FilledBitmap(2, 1, 0xFF0000FF);
  TBitmap32 frame;
  TacFadeProgress down;
  down.Restart(true, false, pic);
  down.SetDirection(fdDown);
  ASSERT_TRUE(down.NextFrame(pic, frame));
  down.Restart(false, false, pic);  // the timer exists: a change while it runs
  down.SetDirection(fdUp);
  EXPECT_EQ(down.StepCount(), 0);
  EXPECT_FALSE(down.NextFrame(pic, frame));  // no frame ...
  EXPECT_FALSE(down.InRange());              // ... and the next tick ends it

  TacFadeProgress up;
  up.Restart(true, false, pic);
  up.SetDirection(fdUp);
  ASSERT_TRUE(up.NextFrame(pic, frame));
  up.Restart(false, false, FilledBitmap(2, 1, 0xFF000010));
  up.SetDirection(fdDown);
  EXPECT_EQ(up.Step(), 1);
  EXPECT_EQ(up.StepCount(), 11);
  EXPECT_EQ(GetAPixel(up.StartImage(), 0, 0), 0xFF000010u);  // from the current cache
}

TEST(Fade, NoFrameForACacheOfAnotherSizeAndStopDisables) {
  TacFadeProgress fade;
  fade.Restart(true, false, FilledBitmap(2, 2, 0xFF0000FF));
  fade.SetDirection(fdUp);
  TBitmap32 frame;
  EXPECT_FALSE(fade.NextFrame(FilledBitmap(3, 2, 0), frame));  // resized meanwhile: never read past a row
  EXPECT_EQ(fade.Step(), 2);
  fade.Stop();
  EXPECT_FALSE(fade.Enabled());
  EXPECT_EQ(fade.Direction(), fdNone);
}

TEST(Fade, TheAnimationProgressMixesIntoItsWorkImageEveryStep) {
  TacAnimProgress anim;
  anim.Start(FilledBitmap(1, 1, 0xFF0000FF));
  const TBitmap32 cache = FilledBitmap(1, 1, 0xFF000000);
  std::vector<int> blues;
  while (anim.InRange() && anim.DoFade(cache)) blues.push_back(static_cast<int>(GetAPixel(anim.WorkImage(), 0, 0) & 0xFF));
  EXPECT_EQ(blues.size(), 12u);  // steps 0 to 11
  EXPECT_EQ(blues.front(), 254);
  EXPECT_EQ(blues.back(), 0);
}

TEST(Fade, TheFadeConditionsAndTheEventChoice) {
  EXPECT_FALSE(FadeMayStart({.Allowed = false, .HasCache = true}));
  EXPECT_FALSE(FadeMayStart({.SkinChanging = true, .HasCache = true}));
  EXPECT_FALSE(FadeMayStart({.FadingForbidden = true, .HasCache = true}));
  EXPECT_FALSE(FadeMayStart({}));
  EXPECT_FALSE(FadeMayStart({.HasCache = true, .BackgroundChanged = true}));

  struct Case {
    TacAnimatEvent Event;
    unsigned Events, Manager;
    bool Expected;
  } const cases[] = {
      {aeMouseDown, aeMouseDown, 0, true},                 // in the control's own set
      {aeMouseDown, aeMouseEnter, 0xF, false},             // not in it and no global default
      {aeMouseLeave, aeGlobalDef, 2, true},                // the manager's leave
      {aeMouseLeave, aeGlobalDef, 0xF & ~2u, false},
      {aeMouseUp, aeGlobalDef, 8, true},
      {aeMouseUp, aeGlobalDef | aeMouseDown, 0x7, false},
  };
  for (const Case& c : cases) EXPECT_EQ(EventEnabled(c.Event, c.Events, c.Manager), c.Expected) << c.Event;
}

}  // namespace
