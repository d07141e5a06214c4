#include "skin/paint/fills.h"

void FillRect32(TBitmap32& bmp, const TRect& rect, TColor color, std::uint8_t alpha) {
  const TRect r = ClipToSize(rect, bmp.Width(), bmp.Height());
  if (bmp.Empty() || r.IsEmpty()) return;
  const TsColor value = (SwapRedBlue(ColorToRGB(color)) & 0x00FFFFFFu) | (TsColor{alpha} << 24);
  for (int y = r.Top; y < r.Bottom; ++y) {
    TsColor* row = bmp.Row(y);
    for (int x = r.Left; x < r.Right; ++x) row[x] = value;
  }
}

void FillAlphaRect(TBitmap32& bmp, const TRect& rect, std::uint8_t alpha, TColor key) {
  const TRect r = ClipToSize(rect, bmp.Width(), bmp.Height());
  if (bmp.Empty() || r.IsEmpty()) return;
  const TsColor top = TsColor{alpha} << 24;
  const bool keyed = key != clNone;
  for (int y = r.Top; y < r.Bottom; ++y) {
    TsColor* row = bmp.Row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const TsColor p = row[x];
      row[x] = keyed && p == key ? p : (p & 0x00FFFFFFu) | top;
    }
  }
}

void UpdateAlpha(TBitmap32& bmp) { UpdateAlpha(bmp, {0, 0, bmp.Width(), bmp.Height()}); }

void UpdateAlpha(TBitmap32& bmp, const TRect& rect) {
  const TRect r = ClipToSize(rect, bmp.Width(), bmp.Height());
  if (bmp.Empty() || r.IsEmpty()) return;
  for (int y = r.Top; y < r.Bottom; ++y) {
    TsColor* row = bmp.Row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const TsColor p = row[x];
      row[x] = p == 0x00FFFFFFu ? 0 : PremultipliedByAlpha(p);
    }
  }
}

void FillDCBorder32(TBitmap32& bmp, const TRect& rect, int left, int top, int right, int bottom,
                    TColor color) {
  FillRect32(bmp, {rect.Left, rect.Top, rect.Right, rect.Top + top}, color, 255);
  FillRect32(bmp, {rect.Left, rect.Bottom - bottom, rect.Right, rect.Bottom}, color, 255);
  FillRect32(bmp, {rect.Left, rect.Top + top, rect.Left + left, rect.Bottom - bottom}, color, 255);
  FillRect32(bmp, {rect.Right - right, rect.Top + top, rect.Right, rect.Bottom - bottom}, color, 255);
}
