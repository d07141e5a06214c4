#include "skin/paint/pixel_changes.h"

#include "skin/paint/blends.h"
#include "skin/paint/hsv.h"
#include "skin/paint/hue_shift.h"

TsColor ChangeColorBrightness(TsColor pixel, int amount) { return ChangeBrightness(pixel, amount); }
TsColor ChangeColorSaturation(TsColor pixel, int amount) { return ChangeSaturation(pixel, amount); }
TsColor ChangeColorHUE(TsColor pixel, int offset) { return SwapRedBlue(ChangeHue(offset, SwapRedBlue(pixel))); }
TsColor ChangeColorTone(TsColor pixel, int tone) { return ChangeTone(pixel, static_cast<TColor>(tone)); }

void ChangeBitmapPixels(TBitmap32& bmp, TsPixelChange change, int amount, TColor key) {
  if (bmp.Empty()) return;
  const int width = bmp.Width();  // a local: stores to pixels could otherwise change it
  if (change == ChangeColorHUE) {
    // The same results, a row at a time in vector code.
    for (int y = 0; y < bmp.Height(); ++y) ChangeHueRow(bmp.Row(y), width, amount, key);
    return;
  }
  const bool keyed = key != clNone;
  for (int y = 0; y < bmp.Height(); ++y) {
    TsColor* row = bmp.Row(y);
    for (int x = 0; x < width; ++x)
      if (!keyed || row[x] != key) row[x] = change(row[x], amount);
  }
}

namespace {
void GrayRows(TBitmap32& bmp, bool keyed, TColor key) {
  if (bmp.Empty()) return;
  const int width = bmp.Width();  // a local: stores to pixels could otherwise change it
  for (int y = 0; y < bmp.Height(); ++y) {
    TsColor* row = bmp.Row(y);
    for (int x = 0; x < width; ++x) {
      const TsColor p = row[x];
      // (r + g + b) / 3 as a multiply and shift: exact for every sum up to 765.
      const TsColor grey = (((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) * 21846u) >> 16;
      const TsColor out = (p & 0xFF000000u) | grey * 0x010101u;
      row[x] = keyed && p == key ? p : out;
    }
  }
}
}  // namespace

void GrayScale(TBitmap32& bmp) { GrayRows(bmp, false, 0); }
void GrayScaleTrans(TBitmap32& bmp, TColor key) { GrayRows(bmp, key != clNone, key); }

void GrayDisabled(TBitmap32& bmp, int saturation) {
  if (saturation == -100)
    GrayScaleTrans(bmp, sFuchsia);
  else
    ChangeBitmapPixels(bmp, ChangeColorSaturation, saturation, sFuchsia);
}

void BmpDisabledKind(TBitmap32& bmp, unsigned kinds, TColor controlColor, TPoint offset,
                     const TCacheInfo& parent) {
  if (bmp.Empty()) return;
  if (kinds & dkGrayed) GrayDisabled(bmp, DefDisabledSaturation);
  if (!(kinds & dkBlended)) return;
  if (parent.Ready && parent.Bitmap) {
    const int x = parent.X + offset.X, y = parent.Y + offset.Y;
    BlendTransRectangle(bmp, 0, 0, sFuchsia, DefDisabledBlend,
                        {x, y, x + bmp.Width() - 1, y + bmp.Height() - 1}, *parent.Bitmap);
  } else {
    const TColor fill = parent.FillColor == sFuchsia ? controlColor : parent.FillColor;
    BlendColorRect(bmp, {0, 0, bmp.Width() - 1, bmp.Height() - 1},
                   static_cast<int>(DefDisabledBlend * 100), fill);
  }
}
