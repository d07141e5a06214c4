#pragma once
// What the fade and animation timers ask of the skinned object whose state
// change they show: a skinned control, a form's skin provider or a window
// adapter implements it over its skin data and its window.
#include <windows.h>

#include "skin/data/binding/skin_commands.h"
#include "skin/paint/bitmap32.h"

// LParam of acmFadeFrame: the frame to show and the window's device context
// to show it on (null when none could be had). A receiver that draws it
// itself answers non-zero; otherwise the frame is copied to the window's top
// left corner.
struct TacFadeFrame {
  HDC DC;
  const TBitmap32* Frame;
};

class TacFadeTarget {
 public:
  virtual ~TacFadeTarget() = default;

  // The object exists, is not being destroyed, and its window (when it has
  // one) is there.
  virtual bool FadeAlive() const = 0;
  // A disabled control's fade stops.
  virtual bool FadeEnabled() const = 0;
  // A skin change runs: no fade starts.
  virtual bool SkinChanging() const = 0;
  // The object's cached picture of itself; null when it keeps none.
  virtual TBitmap32* FadeCache() = 0;
  virtual bool GetBackgroundChanged() const = 0;
  virtual void SetBackgroundChanged(bool Value) = 0;
  // The window the frames are shown on.
  virtual HWND FadeWindow() const = 0;
  // A skin command to the object (acmPrepareCache, acmFadeFrame,
  // acmStopAnimation, acmSetUpdating, acmInvalidate), with its answer.
  virtual LRESULT FadeCommand(int Code, LPARAM LParam = 0, int Argument = 0) = 0;
  // Paints the object from its new look at once (no fade), or later.
  virtual void Repaint() = 0;
  virtual void Invalidate() = 0;
};
