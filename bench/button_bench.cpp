// The picture of the login window's sign-in button (75 x 25, section
// "BUTTON" of the internal skin, caption "登陆") built for each of the four
// states in turn: normal, hot, pressed, default.
#include <benchmark/benchmark.h>

#include "skin/controls/buttons/button_face.h"
#include "skin/forms/frame/tests/frame_test_forms.h"

namespace {

void BM_PaintButton_75x25(benchmark::State& state) {
  const TsSkinModel& skin = InternalSkinModel();
  TsButtonFace face;
  face.Skin = &skin;
  face.SkinIndex = skin.GetSkinIndex("BUTTON");
  if (face.SkinIndex < 0) state.SkipWithError("no BUTTON section");
  face.BorderMaskIndex = skin.gd[static_cast<std::size_t>(std::max(face.SkinIndex, 0))].BorderMaskIndex;
  face.Parent.FillColor = 0x00F0F0F0;
  face.Width = 75;
  face.Height = 25;
  TsButtonCaption caption;
  caption.Text = "\xB5\xC7\xC2\xBD";  // "登陆" in GBK
  caption.Rect = {27, 6, 47, 19};
  caption.Skin = {&skin, face.SkinIndex};
  TBlockRasteriser raster;
  TBitmap32 bmp;
  for (auto _ : state) {
    for (int s = kBtnNormal; s <= kBtnDefault; ++s) {
      face.State = s;
      PaintButtonFace(bmp, face, caption, {}, {}, raster);
      benchmark::DoNotOptimize(bmp.Row(0));
    }
  }
  state.SetItemsProcessed(state.iterations() * 4);
}

}  // namespace

BENCHMARK(BM_PaintButton_75x25)->Unit(benchmark::kMicrosecond);
