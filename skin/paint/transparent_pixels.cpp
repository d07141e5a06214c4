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
      const TsColor a = p >> 24;
      if (a == 255 || p == key) continue;
      const TsColor rb = (((p & 0x00FF00FFu) * a) >> 8) & 0x00FF00FFu;
      const TsColor g = (((p & 0x0000FF00u) * a) >> 8) & 0x0000FF00u;
      row[x] = (p & 0xFF000000u) | rb | g;
    }
  }
}
