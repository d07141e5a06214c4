#pragma once
// Small bitmaps for the painting tests.
#include <initializer_list>
#include <vector>

#include "skin/paint/bitmap32.h"

inline TBitmap32 FilledBitmap(int width, int height, TsColor pixel, TRowOrder order = TRowOrder::TopDown) {
  TBitmap32 bmp(width, height, order);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetAPixel(bmp, x, y, pixel);
  return bmp;
}

// A one-row bitmap of the given pixels.
inline TBitmap32 RowBitmap(std::initializer_list<TsColor> pixels) {
  TBitmap32 bmp(static_cast<int>(pixels.size()), 1);
  int x = 0;
  for (TsColor p : pixels) SetAPixel(bmp, x++, 0, p);
  return bmp;
}

inline std::vector<TsColor> RowOf(const TBitmap32& bmp, int y) {
  return {bmp.Row(y), bmp.Row(y) + bmp.Width()};
}
