#pragma once
// The DIB section behind a bitmap, for GDI.
#include <windows.h>

#include "skin/paint/bitmap32.h"

inline HBITMAP BitmapHandle(const TBitmap32& bmp) { return static_cast<HBITMAP>(bmp.NativeHandle()); }
