#pragma once
// Full-HD bitmaps of varied pixels for the benchmarks.
#include <cstdint>

#include "skin/paint/bitmap32.h"

inline constexpr int kBenchWidth = 1920;
inline constexpr int kBenchHeight = 1080;
inline constexpr std::int64_t kBenchPixels = std::int64_t{kBenchWidth} * kBenchHeight;

// Pseudo-random pixels (a fixed xorshift sequence), a few of them the key colour.
inline TBitmap32 NoiseBitmap(std::uint32_t seed) {
  TBitmap32 bmp(kBenchWidth, kBenchHeight);
  std::uint32_t s = seed;
  for (int y = 0; y < kBenchHeight; ++y) {
    TsColor* row = bmp.Row(y);
    for (int x = 0; x < kBenchWidth; ++x) {
      s ^= s << 13;
      s ^= s >> 17;
      s ^= s << 5;
      row[x] = (s & 0xFF) == 0 ? sFuchsia : s;
    }
  }
  return bmp;
}
