#include "skin/paint/transparent_pixels.h"

void NormaliseTransparent(TBitmap32& bmp) {
  const int width = bmp.Width();
  for (int y = 0; y < bmp.Height(); ++y) {
    TsColor* row = bmp.Row(y);
    for (int x = 0; x < width; ++x)
      if (row[x] == 0x00FFFFFFu) row[x] = 0;
  }
}

void PrepareAlphaKeepingKey(TBitmap32& bmp, const TRect& rect, TColor key) {
  const TRect r = ClipToSize(rect, bmp.Width(), bmp.Height());
  if (bmp.Empty() || r.IsEmpty()) return;
  for (int y = r.Top; y < r.Bottom; ++y) {
    TsColor* row = bmp.Row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const TsColor p = row[x];
      if ((p >> 24) == 255 || p == key) continue;
      row[x] = PremultipliedByAlpha(p);
    }
  }
}
