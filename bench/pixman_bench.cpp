// pixman's OVER on full-HD images: the references the blends are measured
// against. The plain OVER of one premultiplied image onto another for the
// integer blends; an opaque colour or image through a constant mask (the
// same weighted mix of two pictures) for the colour and the keyed blend.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include "bench/bench_bitmaps.h"
#include "skin/paint/fills.h"

namespace {

pixman_image_t* Wrap(const TBitmap32& bmp, pixman_format_code_t format = PIXMAN_a8r8g8b8) {
  return pixman_image_create_bits(format, bmp.Width(), bmp.Height(), bmp.Row(0), bmp.Width() * 4);
}

// The alpha of a weight of 0.6 of the source, as the disabled look mixes.
constexpr std::uint16_t kMaskAlpha = 0x9999;

void Composite(benchmark::State& state, pixman_image_t* s, pixman_image_t* m, pixman_image_t* d) {
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_OVER, s, m, d, 0, 0, 0, 0, 0, 0, kBenchWidth, kBenchHeight);
    benchmark::ClobberMemory();
  }
  if (m) pixman_image_unref(m);
  pixman_image_unref(s);
  pixman_image_unref(d);
  state.SetItemsProcessed(state.iterations() * kBenchPixels);
  state.SetBytesProcessed(state.iterations() * kBenchPixels * 4);
}

pixman_image_t* SolidMask() {
  const pixman_color_t alpha{0, 0, 0, kMaskAlpha};
  return pixman_image_create_solid_fill(&alpha);
}

void BM_PixmanOver(benchmark::State& state) {
  TBitmap32 dst = NoiseBitmap(1), src = NoiseBitmap(2);
  UpdateAlpha(src);  // premultiplied, so OVER sees valid pixels of every alpha
  Composite(state, Wrap(src), nullptr, Wrap(dst));
}

// An opaque colour through a constant mask: the counterpart of BlendColorRect.
void BM_PixmanOverSolidMask(benchmark::State& state) {
  TBitmap32 dst = NoiseBitmap(4);
  const pixman_color_t colour{0xF0F0, 0xF0F0, 0xF0F0, 0xFFFF};
  Composite(state, pixman_image_create_solid_fill(&colour), SolidMask(), Wrap(dst));
}

// An opaque image through a constant mask: the counterpart of BlendTransRectangle.
void BM_PixmanOverImageSolidMask(benchmark::State& state) {
  TBitmap32 dst = NoiseBitmap(1), src = NoiseBitmap(2);
  Composite(state, Wrap(src, PIXMAN_x8r8g8b8), SolidMask(), Wrap(dst));
}

}  // namespace

BENCHMARK(BM_PixmanOver)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PixmanOverSolidMask)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PixmanOverImageSolidMask)->Unit(benchmark::kMillisecond);
