// One step of the gallery's hue, saturation or brightness slider (run it on
// Windows or under Wine): the manager reloads and re-tints the whole internal
// skin, every control takes it up, and all that the step left to be painted
// is painted before the step counts as done. Wall-clock milliseconds a step
// (the CPU column is the program's own share).
#include <windows.h>

#include <benchmark/benchmark.h>

#include "framework/application.h"
#include "tools/gallery/gallery_form.h"

namespace {

// The gallery lives as long as the process: the system takes its windows
// down at exit (after the runtime's own, which a static would outlive).
TGalleryForm& ShownGallery() {
  static TGalleryForm* form = [] {
    auto* application = new TApplication;
    application->Initialize();
    auto* gallery = application->CreateForm<TGalleryForm>();
    gallery->Show();
    UpdateWindow(gallery->GetHandle());
    return gallery;
  }();
  return *form;
}

// Paints whatever the step left to be painted, the frame and every child included.
void PaintPending(TGalleryForm& Form) {
  RedrawWindow(Form.GetHandle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
}

// Steps the slider by one between two neighbouring positions.
template <void (TGalleryForm::*Step)(int)>
void BM_GallerySliderStep(benchmark::State& State) {
  TGalleryForm& form = ShownGallery();
  int position = 0;
  for (auto _ : State) {
    position = position == 0 ? 1 : 0;
    (form.*Step)(position);
    PaintPending(form);
  }
  (form.*Step)(0);
}

BENCHMARK(BM_GallerySliderStep<&TGalleryForm::SetHue>)->Name("BM_GalleryHueStep")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GallerySliderStep<&TGalleryForm::SetSaturation>)
    ->Name("BM_GallerySaturationStep")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_GallerySliderStep<&TGalleryForm::SetBrightness>)
    ->Name("BM_GalleryBrightnessStep")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
