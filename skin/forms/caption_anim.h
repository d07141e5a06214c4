#pragma once
// The hover fade of one caption button: the button's new look (hot or
// pressed) is shown in a small layered window right above the button, never
// activated and transparent to the mouse, whose alpha rises every 12 ms and
// falls again when the button returns to normal. While it runs the frame
// picture keeps the button's normal look underneath.
#include "base/win_handles.h"
#include "framework/timer.h"
#include "skin/forms/frame/caption_fade.h"
#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"
#include "skin/paint/win/timer_resolution.h"

class TsSkinProvider;

class TacSBAnimation : public TTimer {
 public:
  // The animation of the provider's button with a hit code; owned by the provider.
  TacSBAnimation(TsSkinProvider& Provider, int HitCode);
  ~TacSBAnimation() override;

  // A new fade towards a state (1 hot, 2 pressed), from the first step.
  void StartAnimation(int State, int Steps);
  // The running fade turns: shown towards a new state, or hidden back out.
  void Retarget(int State, int Steps, bool Show);

  // One step, as every timer tick runs it. When the fade has run out the
  // animation frees itself (once the tick has returned).
  void Tick();

  int HitCode() const { return FCode; }
  const TacButtonFade& Fade() const { return FFade; }
  // The alpha the window shows now (0 before it first shows).
  int ShownAlpha() const { return FAlpha; }
  HWND Window() const { return FWindow.Get(); }
  // The window went with its owner form: let go of it.
  void WindowGone(HWND Window);

 protected:
  void Timer() override { Tick(); }

 private:
  void Run(bool Value);
  // The picture of the button in the fade's target state, and the window for it.
  bool BuildImage();
  void FreeImage();
  void Show(int Alpha);

  TsSkinProvider& FProvider;
  int FCode;
  TacButtonFade FFade;
  TBitmap32 FImage;    // premultiplied, as the layered window takes it
  TRect FScreenRect;   // where the picture goes
  TOwnedWindow FWindow;
  int FImageState = -1;  // the state the picture shows
  int FAlpha = 0;
  TacTimerResolution FResolution;
};
