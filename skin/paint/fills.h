#pragma once
// Fills of colour and alpha, and premultiplication.
#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

// Every pixel of rect (clipped to the bitmap) becomes the colour with the alpha.
void FillRect32(TBitmap32& bmp, const TRect& rect, TColor color, std::uint8_t alpha);
// Sets the alpha byte of every pixel of rect that is not the key (all pixels
// with key clNone). The rectangle is clipped to the bitmap.
void FillAlphaRect(TBitmap32& bmp, const TRect& rect, std::uint8_t alpha, TColor key);
// Premultiplies blue, green and red by alpha (channel * alpha >> 8); a pixel
// equal to 0x00FFFFFF becomes 0.
void UpdateAlpha(TBitmap32& bmp);
void UpdateAlpha(TBitmap32& bmp, const TRect& rect);
// Fills a frame of the given widths just inside rect, opaque.
void FillDCBorder32(TBitmap32& bmp, const TRect& rect, int left, int top, int right, int bottom,
                    TColor color);
