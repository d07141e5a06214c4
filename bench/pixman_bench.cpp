// pixman's OVER of one premultiplied full-HD image onto another: the
// reference the integer blends are measured against.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include "bench/bench_bitmaps.h"
#include "skin/paint/fills.h"

namespace {

pixman_image_t* Wrap(const TBitmap32& bmp) {
  return pixman_image_create_bits(PIXMAN_a8r8g8b8, bmp.Width(), bmp.Height(), bmp.Row(0), bmp.Width() * 4);
}

void BM_PixmanOver(benchmark::State& state) {
  TBitmap32 dst = NoiseBitmap(1), src = NoiseBitmap(2);
  UpdateAlpha(src);  // premultiplied, so OVER sees valid pixels of every alpha
  pixman_image_t* d = Wrap(dst);
  pixman_image_t* s = Wrap(src);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_OVER, s, nullptr, d, 0, 0, 0, 0, 0, 0, kBenchWidth, kBenchHeight);
    benchmark::ClobberMemory();
  }
  pixman_image_unref(s);
  pixman_image_unref(d);
  state.SetItemsProcessed(state.iterations() * kBenchPixels);
  state.SetBytesProcessed(state.iterations() * kBenchPixels * 4);
}

}  // namespace

BENCHMARK(BM_PixmanOver)->Unit(benchmark::kMillisecond);
