#pragma once
// The hue change of whole bitmaps: ChangeHue of every pixel of a raw row,
// with the very same results.
#include "skin/paint/colors.h"

// Every pixel of the row (pixel order, alpha kept) that is not the key,
// every pixel with clNone, turned by offset degrees. With wide, in the
// processor's widest vectors the code is built for; the results are the same.
void ChangeHueRow(TsColor* row, int n, int offset, TColor key, bool wide = true);
// Whether the processor has wider vectors than the platform's least.
bool HueRowsWide();
