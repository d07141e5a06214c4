#pragma once
// Where a control glued beside another goes: next to the reference on one
// side, a gap apart, centred across that side for left and right.
#include "skin/paint/geometry.h"

enum TAlignTo { altLeft, altTop, altBottom, altRight };

// The side a control takes when the other one moves to it: top and bottom
// swap, left and right swap.
TAlignTo OppositeSide(TAlignTo side);

// The top-left of a control of (width, height) placed on side of reference.
TPoint StickyPosition(const TRect& reference, int width, int height, TAlignTo side, int gap);
