// Building the whole-window picture of a skinned form from the internal
// skin: the login window and a maximised full-HD window. Compare with
// BM_PlainCopy1920x1080 (paint_item_bench.cpp).
#include <benchmark/benchmark.h>

#include "skin/forms/frame/frame_cache.h"
#include "skin/forms/frame/tests/frame_test_forms.h"

namespace {

void PaintFrame(benchmark::State& state, const TacFrameForm& form) {
  const TsSkinModel& skin = InternalSkinModel();
  TBlockRasteriser raster;
  TacFrameCache cache;
  for (auto _ : state) {
    cache.BackgroundChanged = true;
    if (!cache.PaintAll(skin, form, {}, raster)) state.SkipWithError("no form section");
    benchmark::DoNotOptimize(cache.Bitmap().Row(0));
  }
  state.SetItemsProcessed(state.iterations() * form.Width * form.Height);
}

void BM_PaintFormFrame_305x222(benchmark::State& state) { PaintFrame(state, LoginFrameForm()); }
void BM_PaintFormFrame_1920x1080(benchmark::State& state) { PaintFrame(state, MaximisedFrameForm()); }

}  // namespace

BENCHMARK(BM_PaintFormFrame_305x222)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintFormFrame_1920x1080)->Unit(benchmark::kMillisecond);
