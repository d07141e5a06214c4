#include <benchmark/benchmark.h>

#include "bench/bench_bitmaps.h"
#include "skin/paint/blends.h"
#include "skin/paint/fills.h"
#include "skin/paint/pixel_changes.h"

namespace {

void CountPixels(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * kBenchPixels);
  state.SetBytesProcessed(state.iterations() * kBenchPixels * 4);
}

void BM_SumBitmaps(benchmark::State& state) {
  TBitmap32 dst = NoiseBitmap(1), src = NoiseBitmap(2);
  for (auto _ : state) {
    SumBitmaps(dst, src, 128);
    benchmark::ClobberMemory();
  }
  CountPixels(state);
}

void BM_BlendTransRectangle(benchmark::State& state) {
  TBitmap32 dst = NoiseBitmap(1), src = NoiseBitmap(2);
  for (auto _ : state) {
    BlendTransRectangle(dst, 0, 0, sFuchsia, DefDisabledBlend, {0, 0, kBenchWidth - 1, kBenchHeight - 1}, src);
    benchmark::ClobberMemory();
  }
  CountPixels(state);
}

void BM_UpdateAlpha(benchmark::State& state) {
  TBitmap32 bmp = NoiseBitmap(3);
  for (auto _ : state) {
    UpdateAlpha(bmp);
    benchmark::ClobberMemory();
  }
  CountPixels(state);
}

void BM_BlendColorRect(benchmark::State& state) {
  TBitmap32 bmp = NoiseBitmap(4);
  for (auto _ : state) {
    BlendColorRect(bmp, {0, 0, kBenchWidth - 1, kBenchHeight - 1}, 40, 0x00F0F0F0);
    benchmark::ClobberMemory();
  }
  CountPixels(state);
}

void BM_ChangeColorHUE(benchmark::State& state) {
  TBitmap32 bmp = NoiseBitmap(5);
  for (auto _ : state) {
    ChangeBitmapPixels(bmp, ChangeColorHUE, 30, sFuchsia);
    benchmark::ClobberMemory();
  }
  CountPixels(state);
}

void BM_GrayScale(benchmark::State& state) {
  TBitmap32 bmp = NoiseBitmap(6);
  for (auto _ : state) {
    GrayScale(bmp);
    benchmark::ClobberMemory();
  }
  CountPixels(state);
}

}  // namespace

BENCHMARK(BM_SumBitmaps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlendTransRectangle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateAlpha)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlendColorRect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeColorHUE)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrayScale)->Unit(benchmark::kMillisecond);
