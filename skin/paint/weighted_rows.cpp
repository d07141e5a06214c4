#include "skin/paint/weighted_rows.h"

#if defined(__SSE2__)
#include "skin/paint/weighted_rows_kernel.h"
#endif

namespace {

TsColor MixPixel(const TRowMix& mix, TsColor d, TsColor s) {
  TsColor out = 0;
  for (int k = 0; k < 4; ++k)
    out |= static_cast<TsColor>(mix[k].Of(ByteOf(d, k), ByteOf(s, k))) << (8 * k);
  return out;
}

// The pixels a vector loop left over, one at a time with the same arithmetic.
void MixTail(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key) {
  for (int i = 0; i < n; ++i)
    if (!keyed || s[i] != key) d[i] = MixPixel(mix, d[i], s ? s[i] : 0);
}

#if defined(__SSE2__)

// 16-byte registers, which every x86-64 processor has. The unpacking and
// packing work within 16-byte halves, so the pixels come back in their places.
struct TSse2 {
  using V = __m128i;
  static constexpr int Pixels = 4;
  static V Load(const TsColor* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
  static void Store(TsColor* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }
  static V Widen(V v) { return v; }
  static V Zero() { return _mm_setzero_si128(); }
  static V Fill32(TsColor c) { return _mm_set1_epi32(static_cast<int>(c)); }
  static V UnpackLo(V a, V b) { return _mm_unpacklo_epi8(a, b); }
  static V UnpackHi(V a, V b) { return _mm_unpackhi_epi8(a, b); }
  static V MulHi(V a, V b) { return _mm_mulhi_epu16(a, b); }
  static V Add(V a, V b) { return _mm_add_epi16(a, b); }
  static V Shift8(V a) { return _mm_srli_epi16(a, 8); }
  static V Pack(V a, V b) { return _mm_packus_epi16(a, b); }
  static V Equal32(V a, V b) { return _mm_cmpeq_epi32(a, b); }
  static V Select(V mask, V ifSet, V ifClear) {
    return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
  }
};

#if defined(LANQUE_AVX2_ROWS)
const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

#endif  // __SSE2__

void Mix(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key) {
  int done = 0;
#if defined(__SSE2__)
#if defined(LANQUE_AVX2_ROWS)
  if (kHasAvx2) done = MixVectorsAvx2(d, s, n, mix, keyed, key);
#endif
  done += MixVectorsWith<TSse2>(d + done, s ? s + done : nullptr, n - done, mix, keyed, key);
#endif
  MixTail(d + done, s ? s + done : nullptr, n - done, mix, keyed, key);
}

}  // namespace

TChannelMix KeptChannel() { return {0xFFFF, 0, 0x80}; }

void MixRow(TsColor* row, int n, const TRowMix& mix) { Mix(row, nullptr, n, mix, false, 0); }

void MixRows(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key) {
  Mix(d, s, n, mix, keyed, key);
}
