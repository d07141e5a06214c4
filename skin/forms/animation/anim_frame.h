#pragma once
// The pixels of one frame of a form animation: the work bitmap a cover
// window shows, and what the screen makes of it at the frame's alpha.
#include "skin/forms/animation/form_animation.h"
#include "skin/paint/bitmap32.h"

// The work bitmap of a frame: cleared to transparent black when clear is
// set, then the picture copied unscaled at (0, 0) or stretched into the
// frame's rectangle by the nearest pixel (what COLORONCOLOR stretching
// does); whatever falls outside the work bitmap is left out.
void DrawAnimFrame(const TBitmap32& picture, const TacAnimFrame& frame, bool clear, TBitmap32& work);

// The work bitmap (premultiplied, as layered windows take it) at a constant
// alpha over what lies behind it, into screen (all three of one size):
// per channel (w a + b (256 - a w' / 256)) >> 8, at most 255, with a the
// alpha and w' the pixel's own alpha as weights of 0..256. A pixel of alpha 255 at alpha 255
// replaces the background; one of alpha 0 leaves it.
void ComposeAnimFrame(const TBitmap32& work, int alpha, const TBitmap32& behind, TBitmap32& screen);
