#pragma once
// Rows of pixels mixed with constant weights in 16-bit fixed point, whole
// vectors at a time.
//
// Each byte of a pixel (blue, green, red, alpha) is a channel k with its own
// weights: a destination byte d, and the byte s of a source pixel where there
// is one, become
//   (hi(256 d * Dest[k]) + hi(256 s * Source[k]) + Bias[k]) >> 8
// where hi is the upper 16 bits of a 32-bit product. That is one multiply per
// byte with 8 bits of fraction kept: close to a real mix, and exactly one only
// for weights that FitChannel has checked against the wanted arithmetic over
// every input. A mix that does not fit is not made; its caller keeps its exact
// per-pixel path.
//
// A row can also be mixed with a constant in hundredths, rounded exactly
// (TPercentMix): no fraction is lost there, and halves go to the even side.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "skin/paint/colors.h"

struct TChannelMix {
  std::uint16_t Dest = 0, Source = 0, Bias = 0;

  constexpr int Of(int d, int s) const { return (Sum(d, s) + Bias) >> 8; }
  // The two products before the bias: 8 bits of fraction.
  constexpr int Sum(int d, int s) const {
    return static_cast<int>((static_cast<std::uint32_t>(d << 8) * Dest >> 16) +
                            (static_cast<std::uint32_t>(s << 8) * Source >> 16));
  }
};

// The four channels in memory order.
using TRowMix = std::array<TChannelMix, 4>;

// The byte of a channel that keeps the destination's value (the alpha of the blends).
TChannelMix KeptChannel();

// The channel mix that gives want(d, s) for every destination byte d and
// source byte s, for weights near destWeight and sourceWeight (each 0..1);
// nothing when none does.
template <class Want>
std::optional<TChannelMix> FitChannel(double destWeight, double sourceWeight, Want want);

// Each byte v of channel k becomes (v * Percent[k] + Offset[k]) / 100 with
// halves to even, where Offset holds the constant's share in hundredths plus
// 50: the quotient t / 100 of t = v * Percent + Offset is taken by a multiply
// by 41944 and a shift by 22, exact for every t up to 25600, and a t that
// 100 divides is a half. Percent at most 100 and Offset at most 25600 - 255 *
// Percent keep every sum in range.
struct TPercentMix {
  std::array<std::uint16_t, 4> Percent{}, Offset{};

  constexpr int Of(int k, int v) const {
    const std::uint32_t t = static_cast<std::uint32_t>(v) * Percent[k] + Offset[k];
    const int q = static_cast<int>((t * 41944u) >> 22);
    return q - ((static_cast<std::uint32_t>(q) * 100 == t) ? (q & 1) : 0);
  }
  // Whether any byte of any channel lands on a half (the vector loop leaves
  // the halves out when none does).
  bool HasHalves() const;
};

// Every pixel of the row mixed.
void MixRowInPercent(TsColor* row, int n, const TPercentMix& mix);

// Every pixel of d mixed with the one of s below it; with keyed, a source
// pixel equal to the key leaves its destination pixel as it is.
void MixRows(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key);

// -- implementation of the template ------------------------------------------

namespace weighted_rows_detail {

// The bias that gives want for multipliers dest and source, if any: every
// input narrows the range of biases that give its result (and that keep the
// 16-bit sum from wrapping).
template <class Want>
std::optional<TChannelMix> FitBias(std::uint16_t dest, std::uint16_t source, Want want) {
  int low = 0, high = 0xFFFF;
  const TChannelMix mix{dest, source, 0};
  for (int s = 0; s < 256; ++s)
    for (int d = 0; d < 256; ++d) {
      const int sum = mix.Sum(d, s);
      const int w = want(d, s);
      if (w < 0 || w > 255) return std::nullopt;
      low = std::max(low, (w << 8) - sum);
      high = std::min({high, (w << 8) + 255 - sum, 0xFFFF - sum});
      if (low > high) return std::nullopt;
    }
  return TChannelMix{dest, source, static_cast<std::uint16_t>(low)};
}

inline std::uint16_t Multiplier(double weight, int nudge) {
  const long m = std::lround(weight * 65536) + nudge;
  return static_cast<std::uint16_t>(std::clamp(m, 0L, 65535L));
}

}  // namespace weighted_rows_detail

template <class Want>
std::optional<TChannelMix> FitChannel(double destWeight, double sourceWeight, Want want) {
  using namespace weighted_rows_detail;
  if (!(destWeight >= 0 && destWeight <= 1 && sourceWeight >= 0 && sourceWeight <= 1)) return std::nullopt;
  // Mixes tried with the multipliers rounded and one step to either side.
  for (const int nd : {0, 1, -1})
    for (const int ns : {0, 1, -1})
      if (auto fit = FitBias(Multiplier(destWeight, nd), Multiplier(sourceWeight, ns), want)) return fit;
  return std::nullopt;
}
