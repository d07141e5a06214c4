#include "skin/paint/hue_shift.h"

#include <algorithm>
#include <memory>

#include "skin/paint/hsv.h"
#include "skin/paint/hsv_steps.h"

// Integers give the real arithmetic's result wherever that result is
// certain. The hue is 60 n / delta, the falling and rising levels are
// v - delta j / 60 and min + delta j / 60 (j the hue's degrees within its
// sector): where these are not whole numbers they lie at least 1/255 from
// one, while the doubles are off by less than 1e-12, so both truncate
// alike. On a whole number the doubles may land on either side of it; there
// the doubles themselves decide: for the hue through a table of the whole
// hues the doubles give exactly, for the levels by computing them.
namespace {

// Bits in 32-bit words, read without branches so that the passes below
// stay vector code.
template <int N>
struct TBits {
  std::uint32_t Words[(N + 31) / 32] = {};
  void Set(int i, bool on) {
    Words[i >> 5] = (Words[i >> 5] & ~(1u << (i & 31))) | (static_cast<std::uint32_t>(on) << (i & 31));
  }
  std::int32_t operator[](int i) const { return static_cast<std::int32_t>((Words[i >> 5] >> (i & 31)) & 1); }
};

// Tables that do not depend on the offset.
struct THueTables {
  // LowLevel of a colour with largest channel v and spread delta is the
  // smallest channel, or one less where v (1 - delta / v) lands just below
  // it: set at v * 256 + delta.
  TBits<256 * 256> LowDrops;
  // Set where a colour whose hue is the whole number h with spread delta
  // may get another hue from the doubles (index h * 256 + delta).
  TBits<360 * 256> InexactHue;
};

const THueTables& HueTables() {
  static const std::unique_ptr<THueTables> tables = [] {
    auto t = std::make_unique<THueTables>();
    for (int v = 1; v < 256; ++v)
      for (int delta = 0; delta <= v; ++delta)
        t->LowDrops.Set(v * 256 + delta, LowLevel(static_cast<double>(delta) / v, v) != v - delta);
    for (int delta = 1; delta < 256; ++delta)
      for (int largest = 0; largest < 3; ++largest)
        for (int num = -delta; num <= delta; ++num) {
          const int sixty = 120 * largest * delta + 60 * num + (num < 0 && largest == 0 ? 360 * delta : 0);
          if (sixty % delta == 0 && SectorHue(largest, num, delta) != sixty / delta)
            t->InexactHue.Set(sixty / delta * 256 + delta, true);
        }
    return t;
  }();
  return *tables;
}

constexpr int kBlock = 64;

// One block of pixels on its way through the passes.
struct THueBlock {
  std::int32_t Value[kBlock], Low[kBlock], Lowest[kBlock], Delta[kBlock], Whole[kBlock], Hue[kBlock];
  std::int32_t Falling[kBlock], Rising[kBlock], Keep[kBlock], WholeHue[kBlock];
  // Pixels whose levels (Levels) or whole hue (Redo) the doubles decide.
  std::int32_t Unsure[kBlock], WholeLevels[kBlock], Levels[kBlock], Redo[kBlock];
  TsColor Redone[kBlock];
};

// The passes over a row, compiled once for the instruction set every
// processor of the platform has and once for wider vectors (below). The
// loops without branches run as vector code. Floats hold every whole number
// here exactly; a float quotient of whole numbers below 2^17 by at most 255
// is off by far less than 1/255, and a half added before a division by 60
// keeps a whole result clear of its error.
[[gnu::always_inline]] inline void ShiftRow(int offset, TsColor* row, int n, TColor key) {
  // The whole hue turned by the offset and truncated: a hue within (whole,
  // whole + 1) truncates toward zero, one up where whole + offset is
  // negative; one on a whole number stays whole + offset.
  const int turn = static_cast<int>((offset % 360 + 360) % 360);
  const int negativeBelow = static_cast<int>(std::clamp(-static_cast<long long>(offset), 0LL, 360LL));
  const THueTables& tables = HueTables();
  const bool keyed = key != clNone;
  THueBlock b;
  for (int first = 0; first < n; first += kBlock) {
    const int count = std::min(kBlock, n - first);
    TsColor* px = row + first;
    for (int i = 0; i < count; ++i) {
      const int r = static_cast<int>((px[i] >> 16) & 0xFF), g = static_cast<int>((px[i] >> 8) & 0xFF),
                bl = static_cast<int>(px[i] & 0xFF);
      const int v = std::max(r, std::max(g, bl)), low = std::min(r, std::min(g, bl)), delta = v - low;
      // 60 x the hue x delta, never negative, the sectors chosen as HueOf does.
      const int sixty = r == v ? 60 * (g - bl) + (g < bl ? 360 * delta : 0)
                      : g == v ? 120 * delta + 60 * (bl - r)
                               : 240 * delta + 60 * (r - g);
      const float quotient = static_cast<float>(sixty) / static_cast<float>(std::max(delta, 1));
      const int whole = std::min(static_cast<int>(quotient), 359);
      b.Value[i] = v;
      b.Low[i] = low;
      b.Delta[i] = delta;
      b.Whole[i] = whole;
      b.WholeHue[i] = quotient == static_cast<float>(whole);
      b.Keep[i] = (delta == 0) | (keyed & (px[i] == key));
    }
    for (int i = 0; i < count; ++i) {
      const int whole = b.Whole[i], delta = b.Delta[i];
      const int hue = whole + turn + ((b.WholeHue[i] ^ 1) & (whole < negativeBelow));
      b.Hue[i] = hue - (-(hue >= 360) & 360);
      b.Lowest[i] = b.Low[i] - tables.LowDrops[b.Value[i] * 256 + delta];
      b.Unsure[i] = b.WholeHue[i] & (b.Keep[i] ^ 1) & tables.InexactHue[whole * 256 + delta];
    }
    for (int i = 0; i < count; ++i) {
      const int hue = b.Hue[i];
      const int sector = static_cast<int>((static_cast<float>(hue) + 0.5f) * (1.0f / 60));
      const int j = hue - 60 * sector;
      const float spread = static_cast<float>(b.Delta[i]) * static_cast<float>(j);
      const int steps = static_cast<int>((spread + 0.5f) * (1.0f / 60));
      // At a sector's start (j = 0, f = 0) the doubles give v and the lowest level.
      const int start = -(j == 0);
      b.Falling[i] = b.Value[i] - (~start & (steps + 1));
      b.Rising[i] = (start & b.Lowest[i]) | (~start & (b.Low[i] + steps));
      b.WholeLevels[i] = (spread == static_cast<float>(60 * steps)) & (j != 0) & (b.Keep[i] ^ 1);
    }
    int levels = 0, redo = 0;
    for (int i = 0; i < count; ++i) {
      b.Levels[levels] = i;
      levels += b.WholeLevels[i];
      b.Redo[redo] = i;
      redo += b.Unsure[i];
    }
    for (int k = 0; k < redo; ++k) b.Redone[k] = SwapRedBlue(ChangeHue(offset, SwapRedBlue(px[b.Redo[k]])));
    std::int32_t q[kBlock], t[kBlock];
    for (int k = 0; k < levels; ++k) {
      const int i = b.Levels[k];
      const double v = b.Value[i], s = b.Delta[i] / v, f = SectorFraction(b.Hue[i]);
      q[k] = FallingLevel(s, v, f);
      t[k] = RisingLevel(s, v, f);
    }
    for (int k = 0; k < levels; ++k) {
      b.Falling[b.Levels[k]] = q[k];
      b.Rising[b.Levels[k]] = t[k];
    }
    for (int i = 0; i < count; ++i) {
      // Levels by sector (red, green, blue): 0 (v, t, p), 1 (q, v, p),
      // 2 (p, v, t), 3 (p, q, v), 4 (t, p, v), 5 (v, p, q), with q falling,
      // t rising and p the lowest.
      const int hue = b.Hue[i], v = b.Value[i], p = b.Lowest[i], q = b.Falling[i], t = b.Rising[i];
      const int s0 = -(hue < 60), s1 = -(hue >= 60 && hue < 120), s2 = -(hue >= 120 && hue < 180),
                s3 = -(hue >= 180 && hue < 240), s4 = -(hue >= 240 && hue < 300), s5 = -(hue >= 300);
      const int red = ((s0 | s5) & v) | (s1 & q) | (s4 & t) | ((s2 | s3) & p);
      const int green = ((s1 | s2) & v) | (s0 & t) | (s3 & q) | ((s4 | s5) & p);
      const int blue = ((s3 | s4) & v) | (s2 & t) | (s5 & q) | ((s0 | s1) & p);
      const TsColor out = (px[i] & 0xFF000000u) | static_cast<TsColor>(red << 16 | green << 8 | blue);
      px[i] = b.Keep[i] ? px[i] : out;
    }
    for (int k = 0; k < redo; ++k) px[b.Redo[k]] = b.Redone[k];
  }
}

// 256-bit vectors where the processor has them. AVX2 brings no fused
// multiply-add, so the doubles take the very same steps.
#if defined(__GNUC__) && defined(__x86_64__)
#define LANQUE_WIDE_VECTORS 1
[[gnu::target("avx2")]] void ShiftRowWide(int offset, TsColor* row, int n, TColor key) {
  ShiftRow(offset, row, n, key);
}
#endif

}  // namespace


bool HueRowsWide() {
#ifdef LANQUE_WIDE_VECTORS
  static const bool wide = __builtin_cpu_supports("avx2");
  return wide;
#else
  return false;
#endif
}

void ChangeHueRow(TsColor* row, int n, int offset, TColor key, bool wide) {
#ifdef LANQUE_WIDE_VECTORS
  if (wide && HueRowsWide()) return ShiftRowWide(offset, row, n, key);
#endif
  ShiftRow(offset, row, n, key);
}
