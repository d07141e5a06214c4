// The weighted rows with 32-byte registers. This file alone is built for
// AVX2; it runs only where the processor reports it.
#include "skin/paint/weighted_rows_kernel.h"

namespace {

struct TAvx2 {
  using V = __m256i;
  static constexpr int Pixels = 8;
  static V Load(const TsColor* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
  static void Store(TsColor* p, V v) { _mm256_storeu_si256(reinterpret_cast<V*>(p), v); }
  static V Widen(__m128i v) { return _mm256_broadcastsi128_si256(v); }
  static V Zero() { return _mm256_setzero_si256(); }
  static V Fill32(TsColor c) { return _mm256_set1_epi32(static_cast<int>(c)); }
  static V UnpackLo(V a, V b) { return _mm256_unpacklo_epi8(a, b); }
  static V UnpackHi(V a, V b) { return _mm256_unpackhi_epi8(a, b); }
  static V MulHi(V a, V b) { return _mm256_mulhi_epu16(a, b); }
  static V Add(V a, V b) { return _mm256_add_epi16(a, b); }
  template <int N>
  static V ShiftRight(V a) { return _mm256_srli_epi16(a, N); }
  static V MulLo(V a, V b) { return _mm256_mullo_epi16(a, b); }
  static V Sub(V a, V b) { return _mm256_sub_epi16(a, b); }
  static V And(V a, V b) { return _mm256_and_si256(a, b); }
  static V Equal16(V a, V b) { return _mm256_cmpeq_epi16(a, b); }
  static V Fill16(int v) { return _mm256_set1_epi16(static_cast<short>(v)); }
  static V Pack(V a, V b) { return _mm256_packus_epi16(a, b); }
  static V Equal32(V a, V b) { return _mm256_cmpeq_epi32(a, b); }
  static V Select(V mask, V ifSet, V ifClear) { return _mm256_blendv_epi8(ifClear, ifSet, mask); }
};

}  // namespace

int MixVectorsAvx2(TsColor* d, const TsColor* s, int n, const TRowMix& mix, bool keyed, TsColor key) {
  return MixVectorsWith<TAvx2>(d, s, n, mix, keyed, key);
}

int PercentVectorsAvx2(TsColor* row, int n, const TPercentMix& mix) { return PercentVectorsWith<TAvx2>(row, n, mix); }
