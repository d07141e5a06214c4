#pragma once
// Painting helpers that need a device context, and window regions from bitmaps.
#include <windows.h>

#include <vector>

#include "base/win_handles.h"
#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

void FillDC(HDC dc, const TRect& rect, TColor color);
// Fills only a frame of the given widths just inside rect.
void FillDCBorder(HDC dc, const TRect& rect, int left, int top, int right, int bottom, TColor color);
// Copies a rectangle of a bitmap (from its point at) onto a device context.
void CopyToDC(const TBitmap32& bitmap, TPoint at, HDC target, const TRect& rect);
// Moves a rectangle of the device context transparency percent toward the colour.
void FadeRect(HDC dc, const TRect& rect, int transparency, TColor color);
// A region made of the given rectangles in one call (none: an empty region).
TOwnedRegion RegionFromRects(const std::vector<TRect>& rects);
// The bitmap's rectangle minus every horizontal run of key pixels.
TOwnedRegion GetRgnFromBmp(const TBitmap32& bmp, TColor key);

// An entry of the compositor's library (dwmapi), loaded at run time; nullptr
// without it. Through a plain function pointer: the callers know its real type.
void (*CompositorEntry(const char* name))();
// The desktop is composed: layered windows blend their partial alpha with
// what lies below. (Without a compositor, as under Wine on a bare X server,
// partial alpha shows opaque.)
bool CompositionEnabled();
