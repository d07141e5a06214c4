#include "skin/data/binding/bg_info.h"

TCacheInfo MakeCacheInfo(const TBitmap32& bitmap, int x, int y) {
  TCacheInfo ci;
  ci.Bitmap = &bitmap;
  ci.X = x;
  ci.Y = y;
  ci.Ready = true;
  return ci;
}

TCacheInfo BGInfoToCI(const TacBGInfo& info) {
  if (info.BgType == btCache && info.Bitmap) return MakeCacheInfo(*info.Bitmap, info.Offset.X, info.Offset.Y);
  TCacheInfo ci;
  if (info.Bitmap) {  // the frame around the fill still comes from this bitmap
    ci.Bitmap = info.Bitmap;
    ci.X = info.Offset.X;
    ci.Y = info.Offset.Y;
  }
  ci.FillColor = ColorToRGB(info.Color);
  ci.Rect = info.FillMargins;
  ci.Ready = false;
  return ci;
}
