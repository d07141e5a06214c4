#include "skin/paint/colors.h"

#include <algorithm>
#include <cmath>


int Round(double v) { return static_cast<int>(std::nearbyint(IntRange(v))); }

TColor MixColors(TColor a, TColor b, double x) {
  int c[3];
  for (int k = 0; k < 3; ++k)
    c[k] = Trunc(x * ByteOf(a, k) + (1 - x) * ByteOf(b, k));
  return MakeBytes(c[0], c[1], c[2], a);
}

TColor AverageColor(TColor a, TColor b) {
  int c[3];
  for (int k = 0; k < 3; ++k) c[k] = (ByteOf(a, k) * 127 + ByteOf(b, k) * 129) >> 8;
  return MakeBytes(c[0], c[1], c[2]);
}

TColor ChangeColor(TColor a, TColor b, double x) {
  int c[3];
  for (int k = 0; k < 3; ++k) {
    const int ca = ByteOf(a, k);
    c[k] = ClampByte(Trunc(ca - (ca - ByteOf(b, k)) * x));
  }
  return MakeBytes(c[0], c[1], c[2]);
}

TColor ChangeBrightness(TColor color, double amount) {
  if (amount == 0) return color;
  int c[3];
  for (int k = 0; k < 3; ++k) c[k] = ClampByte(Trunc(amount + ByteOf(color, k)));
  return MakeBytes(c[0], c[1], c[2], color);
}

TColor ChangeSaturation(TColor color, int amount) {
  if (amount == 0) return color;
  const int grey = (ByteOf(color, 0) + ByteOf(color, 1) + ByteOf(color, 2)) / 3;
  int c[3];
  for (int k = 0; k < 3; ++k) {
    const int v = ByteOf(color, k);
    c[k] = ClampByte(v - amount * (grey - v) / 255);
  }
  return MakeBytes(c[0], c[1], c[2], color);
}

TsColor ChangeTone(TsColor pixel, TColor tone) {
  const int m = std::max({ByteOf(pixel, 0), ByteOf(pixel, 1), ByteOf(pixel, 2)});
  const TsColor t = SwapRedBlue(tone);
  return MakeBytes((ByteOf(t, 0) * m) >> 8, (ByteOf(t, 1) * m) >> 8, (ByteOf(t, 2) * m) >> 8, pixel);
}
