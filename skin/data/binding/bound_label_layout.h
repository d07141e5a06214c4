#pragma once
// Where a caption label bound to a control is placed.
#include "skin/paint/geometry.h"

enum TsCaptionLayout {
  sclLeft, sclTopLeft, sclTopCenter, sclTopRight, sclLeftTop, sclBottomLeft, sclBottomCenter, sclBottomRight
};

// The label's top-left corner for a control occupying controlBounds (in the
// parent's coordinates).
TPoint BoundLabelPosition(const TRect& controlBounds, int labelWidth, int labelHeight, TsCaptionLayout layout,
                          int indent);
