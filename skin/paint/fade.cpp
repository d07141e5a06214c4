#include "skin/paint/fade.h"

#include "skin/paint/blends.h"
#include "skin/paint/copies.h"

namespace {

bool SameSize(const TBitmap32& a, const TBitmap32& b) {
  return !a.Empty() && a.Width() == b.Width() && a.Height() == b.Height();
}

// frame = old mixed with cache, the old picture keeping the step's weight.
bool MixStep(const TBitmap32& old, const TBitmap32& cache, int step, int stepCount, TBitmap32& frame) {
  if (!SameSize(old, cache)) return false;
  CopyBmp(frame, old);
  SumBitmaps(frame, cache, FadeOldWeight(step, stepCount));
  return true;
}

}  // namespace

int FadeOldWeight(int step, int stepCount) { return stepCount <= 0 ? 0 : 255 - step * 255 / stepCount; }

bool FadeMayStart(const TacFadeConditions& c) {
  return c.Allowed && !c.SkinChanging && !c.FadingForbidden && c.HasCache && !c.BackgroundChanged;
}

void TacFadeProgress::Restart(bool fresh, bool half, const TBitmap32& cache) {
  if (fresh) direction_ = fdNone;
  step_ = fresh ? 1 : acFadeSteps;
  CopyBmp(startImage_, cache);
  switch (direction_) {
    case fdUp: stepCount_ = step_; break;
    case fdDown: stepCount_ = acFadeSteps - step_; break;
    default: stepCount_ = acFadeSteps; break;
  }
  if (half) stepCount_ /= 2;
  if (step_ >= stepCount_ || step_ <= 0) step_ = 1;
}

void TacFadeProgress::SetDirection(TFadeDirection direction) {
  direction_ = direction;
  if (step_ < 0) step_ = 1;
  enabled_ = direction != fdNone;
}

void TacFadeProgress::Stop() {
  enabled_ = false;
  direction_ = fdNone;
}

bool TacFadeProgress::NextFrame(const TBitmap32& cache, TBitmap32& frame) {
  if (stepCount_ == 0) return false;
  const bool drawn = MixStep(startImage_, cache, step_, stepCount_, frame);
  ++step_;
  return drawn;
}

void TacAnimProgress::Start(const TBitmap32& cache) {
  CopyBmp(startImage_, cache);
  step_ = 0;
  stepCount_ = acFadeSteps;
}

bool TacAnimProgress::DoFade(const TBitmap32& cache) {
  const bool drawn = stepCount_ != 0 && step_ >= 0 && MixStep(startImage_, cache, step_, stepCount_, workImage_);
  ++step_;
  return drawn;
}

bool EventEnabled(TacAnimatEvent event, unsigned events, unsigned managerButtonEvents) {
  if ((events & event) != 0) return true;
  // The button events use the same bits for enter, leave, down and up.
  return (events & aeGlobalDef) != 0 && (managerButtonEvents & event) != 0;
}
