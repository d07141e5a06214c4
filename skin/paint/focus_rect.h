#pragma once
// The dotted focus rectangle of a skinned control, painted into its bitmap.
#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

// Every other pixel of the outline of rect, opaque in the colour: on the top
// row and the row Bottom - 1 at x = Left + 1, Left + 3, ... below
// Left + 2 * (width div 2); on the columns Left and Right - 1 at
// y = Top + 1, Top + 3, ... below Top + 2 * (height div 2). Pixels outside
// the bitmap are skipped.
void FocusRect(TBitmap32& bmp, const TRect& rect, TColor color);
