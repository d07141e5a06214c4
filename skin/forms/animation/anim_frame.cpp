#include "skin/forms/animation/anim_frame.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// A weight of 0..255 as one of 0..256: 255 stays whole.
inline std::uint32_t Weight(std::uint32_t a) { return a + (a >> 7); }

// The source index of each of count destination places stretched from size
// source places: the nearest to each place's centre.
std::vector<int> NearestMap(int first, int count, int size, int limit) {
  std::vector<int> map;
  for (int i = std::max(0, -first); i < count && first + i < limit; ++i)
    map.push_back(static_cast<int>((2 * static_cast<long long>(i) + 1) * size / (2 * static_cast<long long>(count))));
  return map;
}

// Every pixel of a row as an opaque one: (w a + b (256 - a)) >> 8 per
// channel, alpha 255. Four pixels at a time in 16-bit products, which the
// compiler turns into vector code; kept out of line, where it does so best.
[[gnu::noinline]] void OpaqueRow(TsColor* s, const TsColor* w, const TsColor* b, int n, std::uint16_t a) {
  std::uint16_t ownWeight[16], behindWeight[16];
  for (int j = 0; j < 16; ++j) {
    ownWeight[j] = static_cast<std::uint16_t>(j % 4 == 3 ? 0 : a);
    behindWeight[j] = static_cast<std::uint16_t>(j % 4 == 3 ? 0 : 256 - a);
  }
  for (int x = 0; x + 4 <= n; x += 4) {
    const auto* wb = reinterpret_cast<const std::uint8_t*>(w + x);
    const auto* bb = reinterpret_cast<const std::uint8_t*>(b + x);
    auto* sb = reinterpret_cast<std::uint8_t*>(s + x);
    for (int j = 0; j < 16; ++j)
      sb[j] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(wb[j] * ownWeight[j] + bb[j] * behindWeight[j]) >> 8);
    for (int k = 0; k < 4; ++k) s[x + k] |= 0xFF000000u;
  }
}

}  // namespace

void DrawAnimFrame(const TBitmap32& picture, const TacAnimFrame& frame, bool clear, TBitmap32& work) {
  if (work.Empty()) return;
  if (clear)
    for (int y = 0; y < work.Height(); ++y) std::memset(work.Row(y), 0, static_cast<size_t>(work.Width()) * 4);
  if (picture.Empty()) return;
  if (!frame.Stretched) {
    const int width = std::min(picture.Width(), work.Width());
    for (int y = 0; y < std::min(picture.Height(), work.Height()); ++y)
      std::memcpy(work.Row(y), picture.Row(y), static_cast<size_t>(width) * 4);
    return;
  }
  const TRect& r = frame.Rect;
  if (r.IsEmpty()) return;
  const std::vector<int> columns = NearestMap(r.Left, r.Width(), picture.Width(), work.Width());
  const std::vector<int> rows = NearestMap(r.Top, r.Height(), picture.Height(), work.Height());
  const int left = std::max(0, r.Left), top = std::max(0, r.Top);
  const int count = static_cast<int>(columns.size());
  for (size_t j = 0; j < rows.size(); ++j) {
    const TsColor* from = picture.Row(rows[j]);
    TsColor* to = work.Row(top + static_cast<int>(j)) + left;
    for (int i = 0; i < count; ++i) to[i] = from[columns[i]];
  }
}

void ComposeAnimFrame(const TBitmap32& work, int alpha, const TBitmap32& behind, TBitmap32& screen) {
  if (work.Empty() || work.Width() != behind.Width() || work.Height() != behind.Height() ||
      work.Width() != screen.Width() || work.Height() != screen.Height())
    return;
  const std::uint32_t a = Weight(static_cast<std::uint32_t>(std::clamp(alpha, 0, 255)));
  const int width = work.Width(), opaque = width / 4 * 4;
  for (int y = 0; y < work.Height(); ++y) {
    const TsColor* w = work.Row(y);
    const TsColor* b = behind.Row(y);
    TsColor* s = screen.Row(y);
    OpaqueRow(s, w, b, opaque, static_cast<std::uint16_t>(a));
    // Then the rest of the row and the pixels that are not opaque (the
    // corners the region cuts away, the work bitmap's empty margins).
    for (int i = 0; i < width; ++i) {
      if (i + 4 <= opaque && (w[i] & w[i + 1] & w[i + 2] & w[i + 3]) >> 24 == 255) {
        i += 3;
        continue;
      }
      const std::uint32_t own = w[i] >> 24;
      if (own == 255 && i < opaque) continue;
      if (w[i] == 0) {  // nothing of the picture: the background as it is
        s[i] = b[i] | 0xFF000000u;
        continue;
      }
      const std::uint32_t keep = 256 - ((a * Weight(own)) >> 8);
      TsColor out = 0xFF000000u;
      for (int k = 0; k < 24; k += 8)
        out |= std::min<std::uint32_t>(255, (((w[i] >> k) & 0xFF) * a + ((b[i] >> k) & 0xFF) * keep) >> 8) << k;
      s[i] = out;
    }
  }
}
