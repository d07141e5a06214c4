#pragma once
// What a control answers when a child asks for the background under it
// (acmGetBgInfo), and the painters' view of that answer.
#include "skin/paint/cache_info.h"

enum TacBGType { btUnknown, btFill, btCache, btNotReady };

struct TacBGInfo {
  const TBitmap32* Bitmap = nullptr;  // a cache to copy from, not owned
  TColor Color = 0;                   // fill colour
  TPoint Offset;                      // the asking control's place inside Bitmap
  TRect DrawRect;                     // the part of DrawTarget to draw into
  TRect FillMargins;                  // border widths still to come from Bitmap around a plain fill
  TacBGType BgType = btUnknown;
  bool DrawNow = false;               // the answerer draws into DrawTarget itself
  void* DrawTarget = nullptr;         // a device context (HDC) on Windows
};

// A ready cache info on the bitmap at (x, y).
TCacheInfo MakeCacheInfo(const TBitmap32& bitmap, int x, int y);
// A cache answer becomes a ready info at the offset; any other a not-ready
// fill of the colour as RGB with the fill margins as its rectangle.
TCacheInfo BGInfoToCI(const TacBGInfo& info);
