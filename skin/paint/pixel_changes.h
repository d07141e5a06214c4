#pragma once
// Per-pixel colour changes of whole bitmaps: brightness, saturation, hue,
// tone, greys and the disabled look of controls.
#include "skin/paint/bitmap32.h"
#include "skin/paint/cache_info.h"
#include "skin/paint/geometry.h"

// The per-pixel forms (pixel order, alpha kept) for ChangeBitmapPixels.
TsColor ChangeColorBrightness(TsColor pixel, int amount);
TsColor ChangeColorSaturation(TsColor pixel, int amount);
TsColor ChangeColorHUE(TsColor pixel, int offset);
TsColor ChangeColorTone(TsColor pixel, int tone);  // tone: a colour value

using TsPixelChange = TsColor (*)(TsColor pixel, int amount);

// Applies the change to every pixel that is not the key (every pixel with clNone).
void ChangeBitmapPixels(TBitmap32& bmp, TsPixelChange change, int amount, TColor key);

// Blue = green = red = (r + g + b) / 3; alpha kept. The Trans form skips the key.
void GrayScale(TBitmap32& bmp);
void GrayScaleTrans(TBitmap32& bmp, TColor key);

enum TsDisabledKind : unsigned { dkBlended = 1, dkGrayed = 2 };

inline constexpr int DefDisabledSaturation = -90;  // -100 would mean plain greys
inline constexpr double DefDisabledBlend = 0.4;     // share of the control

// Greys a bitmap: ChangeSaturation by the amount, or GrayScale for -100; key pixels stay.
void GrayDisabled(TBitmap32& bmp, int saturation);
// The disabled look of a control's picture. kinds: TsDisabledKind bits.
// controlColor is the control's own colour, used when the parent has neither
// a cache nor a fill colour; offset is the control's place in the parent cache.
void BmpDisabledKind(TBitmap32& bmp, unsigned kinds, TColor controlColor, TPoint offset,
                     const TCacheInfo& parent);
