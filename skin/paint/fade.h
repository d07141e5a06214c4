#pragma once
// The arithmetic of state-change fades, without a clock: a control's old
// picture is mixed into its new one over a number of steps. A platform timer
// (12 ms ticks) drives it: the fade timer of a control holds a
// TacFadeProgress, the animation timer a TacAnimProgress, and each tick asks
// for the next frame until the progress says the fade has run out.
#include "skin/paint/bitmap32.h"

enum TFadeDirection { fdNone, fdUp, fdDown };

inline constexpr int acFadeSteps = 11;     // a full fade
inline constexpr int acAnimInterval = 12;  // milliseconds between two frames

// The old picture's weight (out of 256) in frame step of stepCount:
// 255 - step * 255 / stepCount, falling from almost all to none.
int FadeOldWeight(int step, int stepCount);

// Whether a state change may fade at all: the caller allows it, no skin change
// runs, fading is not forbidden, the control has a cache and its background is
// not already marked changed.
struct TacFadeConditions {
  bool Allowed = true;
  bool SkinChanging = false;
  bool FadingForbidden = false;
  bool HasCache = false;
  bool BackgroundChanged = false;
};
bool FadeMayStart(const TacFadeConditions& c);

// The steps of one control's fade and its old picture.
class TacFadeProgress {
 public:
  // The step arithmetic of a state change that fades, on a timer that is
  // new (fresh) or already exists: Step starts at 1 (fresh) or 11; the old
  // picture is taken from the cache; StepCount is 11, or Step while a fade
  // up still runs, or 11 - Step while a fade down still runs (so a change
  // during a fade down shows the new look at once); the half flag halves it;
  // a Step outside 1..StepCount - 1 becomes 1.
  void Restart(bool fresh, bool half, const TBitmap32& cache);
  // A negative Step becomes 1; the fade runs exactly when the direction is not fdNone.
  void SetDirection(TFadeDirection direction);
  // The fade is over (or was stopped): direction fdNone, not running.
  void Stop();

  bool Enabled() const { return enabled_; }
  // The timer stops (enabled or not) at the next tick once this is false.
  bool InRange() const { return step_ >= 0 && step_ <= stepCount_; }
  // Frame = the old picture mixed with the cache at the current step's
  // weight, then the next step. Nothing (false) when the fade has no steps
  // or the cache does not match the old picture's size.
  bool NextFrame(const TBitmap32& cache, TBitmap32& frame);
  // The control went away or was disabled: no more frames.
  void Cancel() {
    enabled_ = false;
    stepCount_ = 0;
  }

  TFadeDirection Direction() const { return direction_; }
  int Step() const { return step_; }
  int StepCount() const { return stepCount_; }
  const TBitmap32& StartImage() const { return startImage_; }

 private:
  TFadeDirection direction_ = fdNone;
  int step_ = 0;
  int stepCount_ = 0;
  bool enabled_ = false;
  TBitmap32 startImage_;
};

// The steps of a control that repaints itself from a mixed picture.
class TacAnimProgress {
 public:
  // The old picture, step 0 of acFadeSteps.
  void Start(const TBitmap32& cache);
  bool InRange() const { return step_ >= 0 && step_ <= stepCount_; }
  // WorkImage = the old picture mixed with the cache at the current step;
  // the step advances in every case, a frame is made (true) only when there
  // are steps and the step is not negative. The timer that repaints from the
  // frame keeps a tick that arrives during that repaint from coming here.
  bool DoFade(const TBitmap32& cache);
  const TBitmap32& WorkImage() const { return workImage_; }
  int Step() const { return step_; }
  int StepCount() const { return stepCount_; }

 private:
  int step_ = 0;
  int stepCount_ = 0;
  TBitmap32 startImage_;
  TBitmap32 workImage_;
};

// The mouse events after which a control's state change may fade.
enum TacAnimatEvent : unsigned {
  aeMouseEnter = 1,
  aeMouseLeave = 2,
  aeMouseDown = 4,
  aeMouseUp = 8,
  aeGlobalDef = 16,  // follow the skin manager's button events
};
// True when the event is in the control's set; otherwise, when the set holds
// aeGlobalDef, when the event's button counterpart is in the manager's button
// events (bits 1 enter, 2 leave, 4 down, 8 up).
bool EventEnabled(TacAnimatEvent event, unsigned events, unsigned managerButtonEvents);
