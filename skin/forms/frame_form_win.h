#pragma once
// The Windows side of the portable frame: what the frame painting needs to
// know of a live form, read from its window, and the window region made from
// the frame's rectangles.
#include "base/win_handles.h"
#include "framework/form.h"
#include "skin/forms/frame/frame_cache.h"
#include "skin/forms/frame/frame_form.h"
#include "skin/paint/gdi_win.h"

// The system's non-client sizes, read once.
const TacFrameMetrics& SystemFrameMetrics();

// The form's window as the frame sees it (sizes, style, state, caption in
// the system code page, system menu). The provider adds its own options.
TacFrameForm DescribeForm(TForm& Form);

// What every window's description shares (sizes, style, state, enabled,
// caption, the close item of its system menu); the rest is the caller's.
TacFrameForm DescribeWindow(HWND Window);

// Copies the frame (the four strips around the client area) from the
// picture onto the window.
void CopyFrameToWindow(HWND Window, const TacFrameCache& Cache);

// Gives the window the region cut from the picture's corners.
void ApplyFrameRegion(HWND Window, const TsSkinModel& Skin, const TacFrameCache& Cache, const TacFrameForm& Form,
                      bool Redraw);

// An icon as a 32-bit picture with straight alpha (from its own alpha, or
// its mask when it has none), at Size x Size pixels.
TBitmap32 IconPicture(HICON Icon, int Size);

// Tells the desktop compositor, when it runs, whether it renders the window's
// frame itself (the system's look) or leaves it to the program. The library
// is loaded at run time; without it (or without composition) nothing happens.
void SetCompositorFrame(HWND Window, bool SystemDraws);

// The caption font of the system (non-client metrics), owned by the caller.
TOwnedFont CreateCaptionFont();
