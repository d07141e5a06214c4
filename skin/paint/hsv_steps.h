#pragma once
// The steps of the hue, saturation and value conversions in the real
// arithmetic that decides their results, shared with the hue shift of whole
// bitmaps (hue_shift.h), which must give the very same results.
#include <algorithm>

#include "skin/paint/colors.h"

// The six-sector hue in degrees (0 <= h < 360) of a colour whose largest
// channel is red (largest 0), green (1) or blue (2): num is green - blue,
// blue - red or red - green, delta the largest minus the smallest channel.
double SectorHue(int largest, int num, int delta);

// A level limited to 0..255 and truncated.
inline int HsvLevel(double x) { return Trunc(std::clamp(x, 0.0, 255.0)); }
// The hue's place within its sector, 0 <= f < 1.
inline double SectorFraction(int hue) { return hue / 60.0 - hue / 60; }
// The levels of a conversion back from saturation s and value v (0..255):
// the lowest v (1 - s), the falling v (1 - s f) and the rising v (1 - s (1 - f)).
inline int LowLevel(double s, double v) { return HsvLevel(v * (1 - s)); }
inline int FallingLevel(double s, double v, double f) { return HsvLevel(v * (1 - s * f)); }
inline int RisingLevel(double s, double v, double f) { return HsvLevel(v * (1 - s * (1 - f))); }
