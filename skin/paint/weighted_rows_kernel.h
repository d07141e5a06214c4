#pragma once
// The vector loop of the weighted rows, for each set of vector operations
// (16-byte registers, and 32-byte ones in a file built for them). Internal to
// those files: everything here has internal linkage, so each file keeps the
// code built for its own instructions.
#include <immintrin.h>

#include "skin/paint/weighted_rows.h"

namespace {

// One field of every channel, repeated for each pixel of a vector of 16-bit lanes.
template <std::uint16_t TChannelMix::*Field>
__m128i Lanes(const TRowMix& mix) {
  return _mm_set_epi16(static_cast<short>(mix[3].*Field), static_cast<short>(mix[2].*Field),
                       static_cast<short>(mix[1].*Field), static_cast<short>(mix[0].*Field),
                       static_cast<short>(mix[3].*Field), static_cast<short>(mix[2].*Field),
                       static_cast<short>(mix[1].*Field), static_cast<short>(mix[0].*Field));
}

// Both rows through one set of vector operations; the source's products
// only where there is a source. Returns the pixels done.
template <class Ops, bool WithSource, bool Keyed>
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
    V lo = Ops::MulHi(Ops::UnpackLo(zero, dp), dest);
    V hi = Ops::MulHi(Ops::UnpackHi(zero, dp), dest);
    V sp = zero;
    if constexpr (WithSource) {
      sp = Ops::Load(s + i);
      lo = Ops::Add(lo, Ops::MulHi(Ops::UnpackLo(zero, sp), source));
      hi = Ops::Add(hi, Ops::MulHi(Ops::UnpackHi(zero, sp), source));
    }
    V out = Ops::Pack(Ops::Shift8(Ops::Add(lo, bias)), Ops::Shift8(Ops::Add(hi, bias)));
    if constexpr (Keyed) out = Ops::Select(Ops::Equal32(sp, keyLanes), dp, out);
    Ops::Store(d + i, out);
  }
  return i;
}

// The loop for a row, with or without a source and a key.
template <class Ops>
int MixVectorsWith(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key) {
  if (!s) return MixVectors<Ops, false, false>(d, s, n, mix, key);
  return keyed ? MixVectors<Ops, true, true>(d, s, n, mix, key) : MixVectors<Ops, true, false>(d, s, n, mix, key);
}

}  // namespace

// The same loop with 32-byte registers, for processors that have them.
int MixVectorsAvx2(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key);
