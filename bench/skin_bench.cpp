// Loading the internal skin: the whole load (unpack, decode, model) against
// the zlib and image decoding alone, so the model's own share shows.
#include <benchmark/benchmark.h>

#include "skin/data/image_decode.h"
#include "skin/data/packed_skin.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_source.h"
#include "skins/internal_skin.h"

static void BM_LoadInternalSkin(benchmark::State& state) {
  for (auto _ : state) {
    const auto source = TsSkinSource::FromPackedBytes(InternalSkinPackage());
    TsSkinModel model;
    model.Load(*source);
    benchmark::DoNotOptimize(model.ma.data());
  }
}
BENCHMARK(BM_LoadInternalSkin)->Unit(benchmark::kMicrosecond);

static void BM_InflateAndDecodeOnly(benchmark::State& state) {
  for (auto _ : state) {
    const std::vector<TPackedEntry> entries = ReadPackedEntries(InternalSkinPackage());
    for (const TPackedEntry& entry : entries) {
      if (!SniffImageFormat(entry.Content)) continue;
      auto image = DecodeSkinImage(entry.Content);
      benchmark::DoNotOptimize(image);
    }
  }
}
BENCHMARK(BM_InflateAndDecodeOnly)->Unit(benchmark::kMicrosecond);
