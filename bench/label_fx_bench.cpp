// The drop shadow of an effect label as each paint rebuilds it: a 240 x 40
// label whose text covers about a fifth of its pixels, blurred four times
// (the default) and mixed over the label's picture.
#include <benchmark/benchmark.h>

#include "skin/controls/labels/label_fx_shadow.h"

namespace {

TBitmap32 TextPicture(int width, int height) {
  TBitmap32 text(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)  // strokes: two pixels of every ten, on the middle rows
      text.Row(y)[x] = (y > height / 4 && y < 3 * height / 4 && x % 10 < 2) ? 0xFFFFFFFFu : 0xFF000000u;
  return text;
}

void BM_LabelShadow_240x40(benchmark::State& state) {
  const TBitmap32 text = TextPicture(240, 40);
  TBitmap32 picture(240, 40);
  TacShadowMask mask;
  const TacShadowData shadow{0x404040, 4, 1, 255};
  for (auto _ : state) {
    mask.Reset(240, 40);
    mask.Blur(text, shadow.Blur);
    ComposeShadow(picture, mask, shadow, true, 0);
    benchmark::DoNotOptimize(picture.Row(0));
  }
  state.SetItemsProcessed(state.iterations() * 240 * 40);
}

}  // namespace

BENCHMARK(BM_LabelShadow_240x40)->Unit(benchmark::kMicrosecond);
