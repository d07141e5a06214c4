#pragma once
// Plain and transparent copies between bitmaps. Rectangles are clipped to
// both bitmaps.
#include <vector>

#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

// dst becomes a copy of src (size, row order and pixels).
void CopyBmp(TBitmap32& dst, const TBitmap32& src);
// Copies srcRect of the source, alpha included, to a point of the destination.
void CopyImage(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& srcRect);
// One byte channel (0 blue, 1 green, 2 red, 3 alpha) of every pixel, same sizes.
void CopyChannel(TBitmap32& dst, const TBitmap32& src, int channel);
// The source's channel into the destination's channel, same sizes.
void CopyChannel32(TBitmap32& dst, int dstChannel, const TBitmap32& src, int srcChannel);

// Copies blue, green and red of every source pixel that is not the key.
void CopyTransRect(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& srcRect, TColor key);
// The same, copying alpha too.
void CopyTransRectA(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& srcRect, TColor key);
// CopyTransRect of the whole source to the destination's origin.
void CopyTransBitmaps(TBitmap32& dst, const TBitmap32& src, TColor key);

// The horizontal runs of key pixels, each as a rectangle one row high, row by
// row from the top and left to right within a row.
std::vector<TRect> AddRgnBmp(const TBitmap32& bmp, TColor key);
// The bitmap's rectangle minus the runs (as AddRgnBmp returns them): the
// remaining pieces of every row, in the same order.
std::vector<TRect> RunsComplement(const std::vector<TRect>& runs, int width, int height);
