#pragma once
// Colour values and the arithmetic on single colours.
//
// TColor is 0x00BBGGRR; a value with the top bit set refers to a system
// colour and goes through ColorToRGB before any arithmetic. TsColor is a
// pixel, bytes blue, green, red, alpha in memory: 0xAARRGGBB as an integer.
#include <algorithm>
#include <cstdint>

#include "base/color.h"

using TsColor = std::uint32_t;

inline constexpr TColor sFuchsia = 0x00FF00FF;  // the key colour of skin images

// Blue, green and red multiplied by the pixel's own alpha (shift by 8); red
// and blue share one multiply, as each product stays below 2^16.
inline constexpr TsColor PremultipliedByAlpha(TsColor p) {
  const TsColor a = p >> 24;
  const TsColor rb = (((p & 0x00FF00FFu) * a) >> 8) & 0x00FF00FFu;
  const TsColor g = (((p & 0x0000FF00u) * a) >> 8) & 0x0000FF00u;
  return (p & 0xFF000000u) | rb | g;
}

inline constexpr std::uint32_t SwapRedBlue(std::uint32_t c) {
  return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}
inline constexpr std::uint32_t SwapColor(std::uint32_t c) { return SwapRedBlue(c); }
inline constexpr std::uint32_t SwapLong(std::uint32_t c) {
  return (c >> 24) | ((c >> 8) & 0xFF00u) | ((c << 8) & 0xFF0000u) | (c << 24);
}

// Byte k of a value (0 = lowest) and a value built from three low bytes.
inline constexpr int ByteOf(std::uint32_t c, int k) { return static_cast<int>((c >> (8 * k)) & 0xFFu); }
inline constexpr std::uint32_t MakeBytes(int b0, int b1, int b2, std::uint32_t top = 0) {
  return (top & 0xFF000000u) | static_cast<std::uint32_t>(b0) | (static_cast<std::uint32_t>(b1) << 8) |
         (static_cast<std::uint32_t>(b2) << 16);
}
inline constexpr int ClampByte(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// Rounding as the painters use it: Round takes halves to even on the exact
// double (Round(50 * 2.55) is 127, the product lying just below 127.5);
// Trunc drops the fraction toward zero (Trunc(100 * 2.55) is 254).
// Values beyond the range of int (and NaN) are limited first, so that the
// conversion is always defined.
inline double IntRange(double v) { return v == v ? std::clamp(v, -2147483648.0, 2147483647.0) : 0.0; }
int Round(double v);
inline int Trunc(double v) { return static_cast<int>(IntRange(v)); }
// A transparency percent as a weight out of 256 for the sums: Round(percent * 2.55).
inline int PercentWeight(int percent) { return Round(percent * 2.55); }

// Per channel Trunc(x * a + (1 - x) * b); the top byte of a stays.
TColor MixColors(TColor a, TColor b, double x);
// Per channel (a * 127 + b * 129) >> 8; top byte 0.
TColor AverageColor(TColor a, TColor b);
// Per channel Trunc(a - (a - b) * x) limited to 0..255; top byte 0.
TColor ChangeColor(TColor a, TColor b, double x);
// Per channel Trunc(amount + channel) limited to 0..255; top byte kept.
TColor ChangeBrightness(TColor color, double amount);
// Moves each channel away from (amount > 0) or toward (amount < 0) the grey
// of the three; top byte kept.
TColor ChangeSaturation(TColor color, int amount);
// The pixel recoloured with the tone colour scaled by its brightest channel.
TsColor ChangeTone(TsColor pixel, TColor tone);
