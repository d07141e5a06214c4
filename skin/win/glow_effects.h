#pragma once
// Glow windows: a layered popup around a hot control that shows the glow
// picture of the control's section with per-pixel alpha. It is never
// activated and lets every click through to what lies below. A glow is known
// by its handle; hiding it keeps the window, hidden, for the next glow, so a
// long session of hovering makes no more windows than glows ever shown at once.
#include <windows.h>

#include <string_view>

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
// Destroys every glow window; handles given out before are unknown from then on.
void ClearGlows();

// Shows or hides the glow of a control (or of Window, when given) as its
// state asks: shown while the mouse is above it and no button is pressed on it,
// when the manager allows glowing, hovering is on and the section glows.
void ShowGlowingIfNeeded(TsCommonData& Data, bool HideNow, HWND Window = nullptr);

// The window showing a glow; none for an unknown handle.
HWND GlowWindow(int Handle);
