#pragma once
// The vector loop of the weighted rows, for each set of vector operations
// (16-byte registers, and 32-byte ones in a file built for them). Internal to
// those files: everything here has internal linkage, so each file keeps the
// code built for its own instructions.
#include <immintrin.h>

#include "skin/paint/weighted_rows.h"

namespace {

// One 16-bit value of every channel, repeated for each pixel.
inline __m128i ChannelLanes(const std::array<std::uint16_t, 4>& v) {
  return _mm_set_epi16(static_cast<short>(v[3]), static_cast<short>(v[2]), static_cast<short>(v[1]),
                       static_cast<short>(v[0]), static_cast<short>(v[3]), static_cast<short>(v[2]),
                       static_cast<short>(v[1]), static_cast<short>(v[0]));
}

// One field of every channel's mix, repeated for each pixel.
template <std::uint16_t TChannelMix::*Field>
__m128i Lanes(const TRowMix& mix) {
  return ChannelLanes({mix[0].*Field, mix[1].*Field, mix[2].*Field, mix[3].*Field});
}

// Both rows through one set of vector operations. Returns the pixels done.
template <class Ops, bool Keyed>
int MixVectors(TsColor* d, const TsColor* s, int n, const TRowMix& mix, TsColor key) {
  using V = typename Ops::V;
  const V zero = Ops::Zero();
  const V dest = Ops::Widen(Lanes<&TChannelMix::Dest>(mix));
  const V source = Ops::Widen(Lanes<&TChannelMix::Source>(mix));
  const V bias = Ops::Widen(Lanes<&TChannelMix::Bias>(mix));
  const V keyLanes = Ops::Fill32(key);
  int i = 0;
  for (; i + Ops::Pixels <= n; i += Ops::Pixels) {
    const V dp = Ops::Load(d + i);
    // Each byte b lands in the upper half of a 16-bit lane: 256 b.
    const V sp = Ops::Load(s + i);
    const V lo = Ops::Add(Ops::MulHi(Ops::UnpackLo(zero, dp), dest), Ops::MulHi(Ops::UnpackLo(zero, sp), source));
    const V hi = Ops::Add(Ops::MulHi(Ops::UnpackHi(zero, dp), dest), Ops::MulHi(Ops::UnpackHi(zero, sp), source));
    V out = Ops::Pack(Ops::template ShiftRight<8>(Ops::Add(lo, bias)), Ops::template ShiftRight<8>(Ops::Add(hi, bias)));
    if constexpr (Keyed) out = Ops::Select(Ops::Equal32(sp, keyLanes), dp, out);
    Ops::Store(d + i, out);
  }
  return i;
}

// The loop for a row, with or without a key.
template <class Ops>
int MixVectorsWith(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key) {
  return keyed ? MixVectors<Ops, true>(d, s, n, mix, key) : MixVectors<Ops, false>(d, s, n, mix, key);
}

// One half of a register of pixels mixed in hundredths (TPercentMix::Of).
template <class Ops, bool Halves>
typename Ops::V PercentHalf(typename Ops::V bytes, typename Ops::V percent, typename Ops::V offset) {
  using V = typename Ops::V;
  const V t = Ops::Add(Ops::MulLo(bytes, percent), offset);
  const V q = Ops::template ShiftRight<6>(Ops::MulHi(t, Ops::Fill16(41944)));
  if constexpr (!Halves) return q;
  const V half = Ops::Equal16(Ops::MulLo(q, Ops::Fill16(100)), t);
  return Ops::Sub(q, Ops::And(half, Ops::And(q, Ops::Fill16(1))));
}

template <class Ops, bool Halves>
int PercentVectors(TsColor* row, int n, const TPercentMix& mix) {
  using V = typename Ops::V;
  const V zero = Ops::Zero();
  const V percent = Ops::Widen(ChannelLanes(mix.Percent));
  const V offset = Ops::Widen(ChannelLanes(mix.Offset));
  int i = 0;
  for (; i + Ops::Pixels <= n; i += Ops::Pixels) {
    const V p = Ops::Load(row + i);
    Ops::Store(row + i, Ops::Pack(PercentHalf<Ops, Halves>(Ops::UnpackLo(p, zero), percent, offset),
                                  PercentHalf<Ops, Halves>(Ops::UnpackHi(p, zero), percent, offset)));
  }
  return i;
}

template <class Ops>
int PercentVectorsWith(TsColor* row, int n, const TPercentMix& mix) {
  return mix.HasHalves() ? PercentVectors<Ops, true>(row, n, mix) : PercentVectors<Ops, false>(row, n, mix);
}

}  // namespace

// The same loops with 32-byte registers, for processors that have them.
int MixVectorsAvx2(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key);
int PercentVectorsAvx2(TsColor* row, int n, const TPercentMix& mix);
