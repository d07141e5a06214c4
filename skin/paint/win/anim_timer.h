#pragma once
// The animation timer: for an object that repaints itself from a mixed
// picture. Every 12 ms it mixes the object's old picture into its cache
// (WorkImage) and asks the object to repaint (acmSetUpdating with 0, then
// acmInvalidate); the object paints WorkImage while the timer runs.
#include "framework/timer.h"
#include "skin/paint/fade.h"
#include "skin/paint/win/animations.h"
#include "skin/paint/win/fade_target.h"
#include "skin/paint/win/timer_resolution.h"

class TsAnimTimer : public TTimer {
 public:
  explicit TsAnimTimer(TComponent* AOwner);
  ~TsAnimTimer() override;

  // Takes the object's cached picture as the old one and starts the steps.
  void SetOwnerData(TacFadeTarget* Value);
  // True when the steps are over (after acmStopAnimation to the object), or
  // the object or the application is going; the timer has stopped then.
  bool ToEnd();
  // The next mixed picture and a repaint.
  void DoFade();
  void Repaint();

  TacFadeTarget* GetOwnerData() const { return FOwnerData; }
  const TBitmap32& WorkImage() const { return FProgress.WorkImage(); }
  const TacAnimProgress& Progress() const { return FProgress; }
  bool InProgress() const { return FInProgress; }

 protected:
  void Timer() override;

 private:
  void Run(bool Value);

  TacFadeTarget* FOwnerData = nullptr;
  TacAnimProgress FProgress;
  bool FInProgress = false;
  TacTimerResolution FResolution;
};
