#include "skin/paint/blends.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "skin/paint/weighted_rows.h"

namespace {

// Per channel (d * w + s * (256 - w)) >> 8, the same as ((d - s) * w + s * 256) >> 8.
// Bytes go in blocks of four pixels with 16-bit products (which never
// overflow: at most 255 * 256); alpha gets weight 256, so it stays. Kept out
// of line: inlined into the clipping code it is vectorised far less well.
[[gnu::noinline]] void SumRow(TsColor* d, const TsColor* s, int n, TsColor w) {
  std::uint16_t dw[16], sw[16];
  for (int j = 0; j < 16; ++j) {
    dw[j] = static_cast<std::uint16_t>(j % 4 == 3 ? 256 : w);
    sw[j] = static_cast<std::uint16_t>(256 - dw[j]);
  }
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    auto* db = reinterpret_cast<std::uint8_t*>(d + i);
    const auto* sb = reinterpret_cast<const std::uint8_t*>(s + i);
    for (int j = 0; j < 16; ++j)
      db[j] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(db[j] * dw[j] + sb[j] * sw[j]) >> 8);
  }
  auto* db = reinterpret_cast<std::uint8_t*>(d + i);
  const auto* sb = reinterpret_cast<const std::uint8_t*>(s + i);
  for (int j = 0; j < 4 * (n - i); ++j)
    db[j] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(db[j] * dw[j] + sb[j] * sw[j]) >> 8);
}

// Per channel ((d - s) * m + s * 256) >> 8 with m the mask's channel.
void MaskRow(TsColor* d, const TsColor* s, const TsColor* m, int n) {
  for (int i = 0; i < n; ++i) {
    TsColor out = d[i] & 0xFF000000u;
    for (int k = 0; k < 24; k += 8) {
      const int dc = static_cast<int>((d[i] >> k) & 0xFF);
      const int sc = static_cast<int>((s[i] >> k) & 0xFF);
      const int mc = static_cast<int>((m[i] >> k) & 0xFF);
      out |= static_cast<TsColor>((((dc - sc) * mc + sc * 256) >> 8) & 0xFF) << k;
    }
    d[i] = out;
  }
}

// Trunc(s - (s - d) * x) for one channel, limited to a byte.
int BlendByte(int s, int d, double x) { return ClampByte(Trunc(s - (s - d) * x)); }

// Blue, green and red of a pixel blended byte by byte; alpha stays the destination's.
template <class ByteBlend>
TsColor BlendPixel(TsColor s, TsColor d, ByteBlend blend) {
  TsColor out = d & 0xFF000000u;
  for (int k = 0; k < 3; ++k) out |= static_cast<TsColor>(blend(ByteOf(s, k), ByteOf(d, k))) << (8 * k);
  return out;
}

// The weighted-row form of the keyed blend with weight x, when one gives
// the real arithmetic's result for every pair of bytes (0.4, the disabled
// look's weight, has one).
std::optional<TRowMix> TransMixOf(double x) {
  const auto channel = FitChannel(x, 1 - x, [x](int d, int s) { return BlendByte(s, d, x); });
  if (!channel) return std::nullopt;
  return TRowMix{*channel, *channel, *channel, KeptChannel()};
}

// The form of the last weight asked for on this thread: a weight is
// checked once, not on every call.
const std::optional<TRowMix>& TransMixFor(double x) {
  thread_local double lastWeight = -1;
  thread_local std::optional<TRowMix> last;
  if (std::memcmp(&x, &lastWeight, sizeof x) != 0) {
    last = TransMixOf(x);
    lastWeight = x;
  }
  return last;
}

// Trunc(s - (s - d) * x) per channel for every source pixel that is not the key.
void BlendTransRow(TsColor* d, const TsColor* s, int n, double x, bool keyed, TColor key) {
  if (const auto& mix = TransMixFor(x)) return MixRows(d, s, n, *mix, keyed, key);
  for (int i = 0; i < n; ++i)
    if (!keyed || s[i] != key) d[i] = BlendPixel(s[i], d[i], [x](int sc, int dc) { return BlendByte(sc, dc, x); });
}

bool SameSize(const TBitmap32& a, const TBitmap32& b) {
  return !a.Empty() && a.Width() == b.Width() && a.Height() == b.Height();
}

}  // namespace

void BlendColorRect(TBitmap32& bmp, const TRect& rect, int percent, TColor color) {
  if (bmp.Empty()) return;
  const int left = std::max(rect.Left, 0), top = std::max(rect.Top, 0);
  const int right = std::min(rect.Right, bmp.Width() - 1), bottom = std::min(rect.Bottom, bmp.Height() - 1);
  if (right < left || bottom < top) return;
  // Each channel has 256 possible values: one table per channel keeps the
  // exact rounding of the real arithmetic out of the pixel loop. The same
  // mix in whole hundredths does whole rows when it gives the table's values.
  const double p = percent / 100.0;
  const TsColor c = SwapRedBlue(ColorToRGB(color));
  std::array<std::array<std::uint8_t, 256>, 3> table;
  for (int k = 0; k < 3; ++k) {
    const double cc = ByteOf(c, k) * (1 - p);
    for (int v = 0; v < 256; ++v) table[k][v] = static_cast<std::uint8_t>(ClampByte(Round(v * p + cc)));
  }
  bool fits = percent >= 0 && percent <= 100;
  TPercentMix mix;
  mix.Percent[3] = 100;  // alpha: v * 100 + 50 hundredths, which is v
  mix.Offset[3] = 50;
  for (int k = 0; k < 3 && fits; ++k) {
    mix.Percent[k] = static_cast<std::uint16_t>(percent);
    mix.Offset[k] = static_cast<std::uint16_t>((100 - percent) * ByteOf(c, k) + 50);
    for (int v = 0; v < 256 && fits; ++v) fits = mix.Of(k, v) == table[k][v];
  }
  for (int y = top; y <= bottom; ++y) {
    TsColor* row = bmp.Row(y);
    if (fits) {
      MixRowInPercent(row + left, right - left + 1, mix);
      continue;
    }
    for (int x = left; x <= right; ++x) {
      const TsColor px = row[x];
      row[x] = MakeBytes(table[0][px & 0xFF], table[1][(px >> 8) & 0xFF], table[2][(px >> 16) & 0xFF], px);
    }
  }
}

void FadeBmp(TBitmap32& bmp, const TRect& rect, int transparency, TColor color) {
  BlendColorRect(bmp, {rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1}, 100 - transparency, color);
}

void SumBitmaps(TBitmap32& dst, const TBitmap32& src, int weight) {
  if (!SameSize(dst, src)) return;
  SumBmpRect(dst, src, weight, {0, 0, src.Width(), src.Height()}, {0, 0});
}

void SumBmpRect(TBitmap32& dst, const TBitmap32& src, int weight, const TRect& srcRect, TPoint at) {
  if (dst.Empty() || src.Empty()) return;
  const TTransfer t = ClipTransfer(srcRect, at, src.Width(), src.Height(), dst.Width(), dst.Height());
  const TsColor w = static_cast<TsColor>(std::clamp(weight, 0, 256));
  for (int y = t.Source.Top; y < t.Source.Bottom; ++y)
    SumRow(dst.Row(t.Target.Y + y - t.Source.Top) + t.Target.X, src.Row(y) + t.Source.Left,
           t.Source.Width(), w);
}

void SumBitmapsByMask(TBitmap32& dst, const TBitmap32& picture, const TBitmap32& mask) {
  if (!SameSize(dst, picture) || !SameSize(dst, mask)) return;
  const int width = dst.Width();
  for (int y = 0; y < dst.Height(); ++y) MaskRow(dst.Row(y), picture.Row(y), mask.Row(y), width);
}

void SumByMaskWith32(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& srcRect) {
  if (dst.Empty() || src.Empty()) return;
  const int band = srcRect.Height();
  // The mask rows must exist too: clip the picture to the rows above the last mask row.
  const TTransfer t = ClipTransfer(srcRect, at, src.Width(), src.Height() - band, dst.Width(), dst.Height());
  for (int y = t.Source.Top; y < t.Source.Bottom; ++y)
    MaskRow(dst.Row(t.Target.Y + y - t.Source.Top) + t.Target.X, src.Row(y) + t.Source.Left,
            src.Row(y + band) + t.Source.Left, t.Source.Width());
}

void BlendTransRectangle(TBitmap32& dst, int x0, int y0, TColor key, double x, TRect rect,
                         const TBitmap32& src) {
  if (dst.Empty() || src.Empty()) return;
  if (rect.Left < 0) { x0 -= rect.Left; rect.Left = 0; }
  if (rect.Top < 0) { y0 -= rect.Top; rect.Top = 0; }
  rect.Right = std::min(rect.Right, src.Width() - 1);
  rect.Bottom = std::min(rect.Bottom, src.Height() - 1);
  // Skip source columns and rows that land outside the destination.
  const int first = std::max(rect.Left, rect.Left - x0);
  const int last = std::min(rect.Right, rect.Left + dst.Width() - 1 - x0);
  const bool keyed = key != clNone;
  for (int sy = rect.Top; sy <= rect.Bottom; ++sy) {
    const int dy = y0 + sy - rect.Top;
    if (dy < 0 || dy >= dst.Height() || first > last) continue;
    const TsColor* s = src.Row(sy) + first;
    TsColor* d = dst.Row(dy) + first + x0 - rect.Left;
    BlendTransRow(d, s, last - first + 1, x, keyed, key);
  }
}

void BlendTransBitmap(TBitmap32& bmp, TColor color, double x) {
  if (bmp.Empty()) return;
  const TsColor c = SwapRedBlue(ColorToRGB(color));
  const int width = bmp.Width();  // a local: stores to pixels could otherwise change it
  for (int y = 0; y < bmp.Height(); ++y) {
    TsColor* row = bmp.Row(y);
    for (int i = 0; i < width; ++i) {
      const TsColor p = row[i];
      if (p == sFuchsia) continue;
      TsColor out = p & 0xFF000000u;
      for (int k = 0; k < 24; k += 8) {
        const double pc = (p >> k) & 0xFF, cc = (c >> k) & 0xFF;
        out |= static_cast<TsColor>(ClampByte(Trunc((pc - cc) * x + cc))) << k;
      }
      row[i] = out;
    }
  }
}
