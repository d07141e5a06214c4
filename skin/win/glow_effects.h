#pragma once
// Glow windows: a layered popup around a hot control that shows the glow
// picture of the control's section with per-pixel alpha. It is never
// activated and lets every click through to what lies below. A glow is known
// by its handle; hiding it keeps the window, hidden, for the next glow, so a
// long session of hovering makes no more windows than glows ever shown at once.
#include <windows.h>

#include <array>
#include <functional>
#include <string_view>

#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

class TsCommonData;

// Shows a glow around ControlRect (on screen), of which Visible (relative to
// the control) can be seen, just above Parent in z-order: the image Key of
// Section (no inheritance), coloured like Data's control. The handle, or -1
// when the skin has no such image or nothing of the glow would show.
int ShowGlow(const TRect& ControlRect, const TRect& Visible, std::string_view Section, std::string_view Key,
             const TsCommonData& Data, HWND Parent, int Alpha, int Margin);
// Hides the glow of the handle (nothing for -1 or an unknown handle) and sets it to -1.
void HideGlow(int& Handle);

// The same windows for other effects around a control: what a window shows
// is named by the skin image it is drawn from, its place, the part of the
// whole picture it shows and the values the picture is drawn with (colour
// changes, opacity), so that a hidden window still showing the same is shown
// again without a new picture; Make draws the picture when none does.
struct TacEffectContent {
  const void* Image = nullptr;
  TRect Window;  // on screen
  TRect Cut;
  std::array<int, 4> Look{};
  int Alpha = 0;
  friend bool operator==(const TacEffectContent&, const TacEffectContent&) = default;
};
// Placed just above Parent, or just below it (a shadow). The handle, or -1
// when no picture or window could be made. Hidden with HideGlow.
int ShowEffect(const TacEffectContent& Content, const std::function<TBitmap32()>& Make, HWND Parent,
               bool Below = false);
// Destroys every glow window; handles given out before are unknown from then on.
void ClearGlows();

// Glows are shown only on a composed desktop, where their partial alpha
// blends with what lies below; tests switch that condition off.
struct TacGlowSwitches {
  bool IgnoreComposition = false;
};
TacGlowSwitches& GlowSwitches();

// Shows or hides the glow of a control (or of Window, when given) as its
// state asks: shown while the mouse is above it and no button is pressed on it,
// when the manager allows glowing, hovering is on, the section glows and the
// desktop is composed.
void ShowGlowingIfNeeded(TsCommonData& Data, bool HideNow, HWND Window = nullptr);

// The window showing a glow; none for an unknown handle.
HWND GlowWindow(int Handle);
