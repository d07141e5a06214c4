#pragma once
// Snapping a moving window to the edges of its monitor's work area.
#include "skin/paint/geometry.h"

// The window's new top-left corner: an edge closer than snapBuffer pixels to
// the matching work-area edge lands on it; right and bottom are tested
// first, so left and top win when both pull.
TPoint SnapToWorkArea(const TRect& window, const TRect& workArea, int snapBuffer);
