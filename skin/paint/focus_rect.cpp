#include "skin/paint/focus_rect.h"

namespace {

void Dot(TBitmap32& bmp, int x, int y, TsColor value) {
  if (x >= 0 && y >= 0 && x < bmp.Width() && y < bmp.Height()) SetAPixel(bmp, x, y, value);
}

}  // namespace

void FocusRect(TBitmap32& bmp, const TRect& rect, TColor color) {
  if (bmp.Empty() || rect.IsEmpty()) return;
  const TsColor value = (SwapRedBlue(ColorToRGB(color)) & 0x00FFFFFFu) | 0xFF000000u;
  for (int k = rect.Width() / 2; k >= 1; --k) {
    const int x = rect.Left + 2 * k - 1;
    Dot(bmp, x, rect.Top, value);
    Dot(bmp, x, rect.Bottom - 1, value);
  }
  for (int k = rect.Height() / 2; k >= 1; --k) {
    const int y = rect.Top + 2 * k - 1;
    Dot(bmp, rect.Left, y, value);
    Dot(bmp, rect.Right - 1, y, value);
  }
}
