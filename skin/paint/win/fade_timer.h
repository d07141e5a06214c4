#pragma once
// The fade timer: a skinned object's state change shown gradually. Its old
// picture is mixed into the new one every 12 ms and each frame is painted
// straight onto its window. DoChangePaint starts (or turns round) a fade
// after a state change; StopFading ends one.
//
// The object holds the reference to its fade timer. It answers
// acmStopAnimation by calling StopFading on that reference (which may happen
// inside the timer's own tick: the timer then goes when the tick returns),
// and it calls StopFading before it goes itself.
#include "framework/timer.h"
#include "skin/paint/fade.h"
#include "skin/paint/win/animations.h"
#include "skin/paint/win/fade_target.h"
#include "skin/paint/win/timer_resolution.h"

class TsFadeTimer : public TTimer {
 public:
  // Made disabled, ticking every 12 ms once a direction is set.
  explicit TsFadeTimer(TComponent* AOwner);
  ~TsFadeTimer() override;

  // Runs exactly while the direction is not fdNone.
  void SetDirection(TFadeDirection Value);
  // Takes the object's cached picture as the old one (the cache is built
  // first when it is empty and marked stale) and sets the steps: Fresh for a
  // timer just made, Half for a fade of half the steps.
  void SetOwnerData(TacFadeTarget* Value, bool Fresh, bool Half);
  // True when the fade is over: past its last step it asks the object to
  // stop it (acmStopAnimation) and stops in any case; an object that is gone
  // stops it too.
  bool ToEnd();
  // Draws the next frame.
  void Change();

  TacFadeTarget* GetOwnerData() const { return FOwnerData; }
  const TacFadeProgress& Progress() const { return FProgress; }

 protected:
  void Timer() override;

 private:
  // The system timer and the fine resolution follow the progress.
  void FollowProgress();
  void ShowFrame();

  TacFadeTarget* FOwnerData = nullptr;
  TacFadeProgress FProgress;
  TBitmap32 FFrame;
  TacTimerResolution FResolution;
};

// After a state change of Data: a fade from its present picture to the new
// look when it may fade (Allow, no skin change, fading not forbidden, a cache,
// background not yet marked changed); Timer is made when there is none and
// reused (turned round) when there is. Otherwise any fade stops and the
// object repaints at once.
void DoChangePaint(TsFadeTimer*& Timer, TacFadeTarget& Data, bool Half, TFadeDirection Direction,
                   bool Allow = true);
// Stops the fade and frees its timer; Timer becomes null.
void StopFading(TsFadeTimer*& Timer);
