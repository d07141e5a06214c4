#pragma once
// Blends of bitmaps with bitmaps and with colours. Blue, green and red only:
// alpha bytes are left as they are.
#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

// Right and bottom inclusive; clipped to the bitmap. Each channel becomes
// Round(channel * p + colour channel * (1 - p)), p = percent / 100, halves to even.
void BlendColorRect(TBitmap32& bmp, const TRect& rect, int percent, TColor color);
// Each pixel of rect (exclusive edges) moves transparency percent of the way
// toward the colour.
void FadeBmp(TBitmap32& bmp, const TRect& rect, int transparency, TColor color);

// When both have the same size: each channel becomes
// ((d - s) * weight + s * 256) >> 8, weight / 256 of the destination.
// Weights are limited to 0..256.
void SumBitmaps(TBitmap32& dst, const TBitmap32& src, int weight);
// The same sum of srcRect of the source onto the destination at a point.
void SumBmpRect(TBitmap32& dst, const TBitmap32& src, int weight, const TRect& srcRect, TPoint at);
// The picture mixed into the destination (same sizes) per pixel and channel
// by the mask: ((d - s) * m + s * 256) >> 8, m = 0 gives the picture.
void SumBitmapsByMask(TBitmap32& dst, const TBitmap32& picture, const TBitmap32& mask);
// The same with a mask band: the mask lies srcRect's height below the
// picture in the same source.
void SumByMaskWith32(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& srcRect);

// For every source pixel of rect (right and bottom inclusive) not equal to
// the key, the destination pixel at (x0, y0) + offset becomes
// Trunc(s - (s - d) * x) per channel: x of the destination.
void BlendTransRectangle(TBitmap32& dst, int x0, int y0, TColor key, double x, TRect rect,
                         const TBitmap32& src);
// Every pixel except 0x00FF00FF: Trunc((channel - colour channel) * x + colour channel).
void BlendTransBitmap(TBitmap32& bmp, TColor color, double x);
