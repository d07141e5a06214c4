// Painting sections of the internal skin in state 1 over a ready parent
// cache, and a plain copy of as many pixels for comparison.
#include <benchmark/benchmark.h>

#include <memory>

#include "skin/data/skin_model.h"
#include "skin/data/skin_source.h"
#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/items/paint_item.h"
#include "skins/internal_skin.h"

namespace {

const TsSkinModel& InternalModel() {
  static const std::unique_ptr<TsSkinModel> model = [] {
    auto m = std::make_unique<TsSkinModel>();
    m->Load(*TsSkinSource::FromPackedBytes(InternalSkinPackage()));
    return m;
  }();
  return *model;
}

void PaintSection(benchmark::State& state, const char* section, int width, int height) {
  const TsSkinModel& model = InternalModel();
  const int index = model.GetSkinIndex(section);
  TBitmap32 parent(width + 20, height + 20);
  FillRect32(parent, {0, 0, parent.Width(), parent.Height()}, model.GetGlobalColor(), 255);
  TCacheInfo ci;
  ci.Bitmap = &parent;
  ci.X = 10;
  ci.Y = 10;
  ci.Ready = true;
  TBitmap32 bmp(width, height);
  for (auto _ : state) {
    PaintItem(&model, index, ci, 1, {0, 0, width, height}, {}, bmp);
    benchmark::DoNotOptimize(bmp.Row(0));
  }
  state.SetItemsProcessed(state.iterations() * width * height);
}

void BM_PaintItem_Button75x25(benchmark::State& state) { PaintSection(state, "BUTTON", 75, 25); }
void BM_PaintItem_Form305x222(benchmark::State& state) { PaintSection(state, "FORM", 305, 222); }
void BM_PaintItem_Form1920x1080(benchmark::State& state) { PaintSection(state, "FORM", 1920, 1080); }

// The reference: one plain copy of 1920 x 1080 pixels.
void BM_PlainCopy1920x1080(benchmark::State& state) {
  TBitmap32 src(1920, 1080), dst(1920, 1080);
  FillRect32(src, {0, 0, 1920, 1080}, 0x123456, 255);
  for (auto _ : state) {
    CopyImage(dst, {0, 0}, src, {0, 0, 1920, 1080});
    benchmark::DoNotOptimize(dst.Row(0));
  }
  state.SetItemsProcessed(state.iterations() * 1920 * 1080);
}

}  // namespace

BENCHMARK(BM_PaintItem_Button75x25)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintItem_Form305x222)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintItem_Form1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopy1920x1080)->Unit(benchmark::kMillisecond);
