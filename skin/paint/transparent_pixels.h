#pragma once
// Transparent pixels of skin pictures: white with alpha 0 made all zero, and
// alpha prepared for premultiplied painting without touching key pixels.
#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

// Every pixel that is exactly 0x00FFFFFF becomes 0.
void NormaliseTransparent(TBitmap32& bmp);
// Premultiplies blue, green and red by alpha inside rect (clipped), as
// UpdateAlpha does (so white with alpha 0 becomes 0), but leaves key pixels
// and opaque pixels exactly as they are.
void PrepareAlphaKeepingKey(TBitmap32& bmp, const TRect& rect, TColor key);
