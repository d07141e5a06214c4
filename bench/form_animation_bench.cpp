#include <benchmark/benchmark.h>

#include "bench/bench_bitmaps.h"
#include "skin/forms/animation/anim_frame.h"

namespace {

// One step of the show animation of a full-HD form (120 ms with zoom, the
// middle of its eleven frames): the picture (alpha 255, as the show
// animation makes it) stretched into the work bitmap and composed at the
// step's alpha over what lies behind.
void BM_AnimStep_1920x1080(benchmark::State& state) {
  TBitmap32 picture = NoiseBitmap(7);
  for (int y = 0; y < kBenchHeight; ++y)
    for (int x = 0; x < kBenchWidth; ++x) picture.Row(y)[x] |= 0xFF000000u;
  const TBitmap32 behind = NoiseBitmap(8);
  TBitmap32 work(kBenchWidth, kBenchHeight), screen(kBenchWidth, kBenchHeight);
  const TacAnimFrame frame = ShowAnimFrames(kBenchWidth, kBenchHeight, 120, 255, 1)[5];
  for (auto _ : state) {
    DrawAnimFrame(picture, frame, false, work);
    ComposeAnimFrame(work, frame.Alpha, behind, screen);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBenchPixels);
}

}  // namespace

BENCHMARK(BM_AnimStep_1920x1080)->Unit(benchmark::kMillisecond);
