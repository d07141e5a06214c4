#pragma once
// The painters' view of a parent's background: a cache bitmap to copy from,
// or a fill colour when the parent has no ready cache.
#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

struct TCacheInfo {
  const TBitmap32* Bitmap = nullptr;  // not owned
  int X = -99;                        // the control's place in Bitmap
  int Y = -99;
  TColor FillColor = sFuchsia;
  TRect Rect{};
  bool Ready = false;
};

inline constexpr TCacheInfo EmptyCI{};
