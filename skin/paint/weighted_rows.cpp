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
    if (!keyed || s[i] != key) d[i] = MixPixel(mix, d[i], s[i]);
}

void PercentTail(TsColor* row, int n, const TPercentMix& mix) {
  for (int i = 0; i < n; ++i) {
    TsColor out = 0;
    for (int k = 0; k < 4; ++k) out |= static_cast<TsColor>(mix.Of(k, ByteOf(row[i], k))) << (8 * k);
    row[i] = out;
  }
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
  template <int N>
  static V ShiftRight(V a) { return _mm_srli_epi16(a, N); }
  static V MulLo(V a, V b) { return _mm_mullo_epi16(a, b); }
  static V Sub(V a, V b) { return _mm_sub_epi16(a, b); }
  static V And(V a, V b) { return _mm_and_si128(a, b); }
  static V Equal16(V a, V b) { return _mm_cmpeq_epi16(a, b); }
  static V Fill16(int v) { return _mm_set1_epi16(static_cast<short>(v)); }
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

}  // namespace

void MixRows(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key) {
  int done = 0;
#if defined(__SSE2__)
#if defined(LANQUE_AVX2_ROWS)
  if (kHasAvx2) done = MixVectorsAvx2(d, s, n, mix, keyed, key);
#endif
  done += MixVectorsWith<TSse2>(d + done, s + done, n - done, mix, keyed, key);
#endif
  MixTail(d + done, s + done, n - done, mix, keyed, key);
}

void MixRowInPercent(TsColor* row, int n, const TPercentMix& mix) {
  int done = 0;
#if defined(__SSE2__)
#if defined(LANQUE_AVX2_ROWS)
  if (kHasAvx2) done = PercentVectorsAvx2(row, n, mix);
#endif
  done += PercentVectorsWith<TSse2>(row + done, n - done, mix);
#endif
  PercentTail(row + done, n - done, mix);
}

bool TPercentMix::HasHalves() const {
  for (int k = 0; k < 4; ++k)
    for (std::uint32_t v = 0; v < 256; ++v)
      if ((v * Percent[k] + Offset[k]) % 100 == 0) return true;
  return false;
}

TChannelMix KeptChannel() { return {0xFFFF, 0, 0x80}; }
