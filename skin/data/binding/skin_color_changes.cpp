#include "skin/data/binding/skin_color_changes.h"

#include <algorithm>

#include "skin/paint/hsv.h"
#include "skin/paint/pixel_changes.h"

namespace {

constexpr TacPaletteColors kShiftedPalette[] = {
    pcMainColor, pcLabelText, pcWebText, pcEditText, pcEditBG, pcSelectionBG, pcSelectionText,
    pcSelectionBG_Focused, pcSelectionText_Focused, pcEditBG_Inverted, pcEditText_Inverted, pcEditBG_OddRow,
    pcEditBG_EvenRow, pcBorder};

template <typename TChange>
void ChangeColors(TsSkinModel& model, TChange change, bool gradientsAlways) {
  for (TsGeneralData& section : model.gd) {
    for (TsGenState& state : section.Props) {
      if (gradientsAlways || state.GradientPercent > 0)
        for (TsGradPie& pie : state.GradientArray) {
          pie.Color1 = change(pie.Color1);
          pie.Color2 = change(pie.Color2);
        }
      state.Color = change(state.Color);
      state.GlowColor = change(state.GlowColor);
      for (TColor& font : state.FontColor)
        if (font != kNoContour) font = change(font);
    }
  }
  for (TacPaletteColors index : kShiftedPalette) model.Palette[index] = change(model.Palette[index]);
}

void ChangePictures(TsSkinModel& model, TsPixelChange change, int amount) {
  ChangeBitmapPixels(model.MasterBitmap, change, amount, sFuchsia);
  for (TsMaskData& md : model.ma)
    if (!md.Image.Empty()) ChangeBitmapPixels(md.Image, change, amount, sFuchsia);
}

}  // namespace

void ChangeSkinHue(TsSkinModel& model, int offset) {
  if (offset == 0) return;
  ChangePictures(model, ChangeColorHUE, offset);
  ChangeColors(model, [offset](TColor c) { return ChangeHue(offset, c); }, false);
}

void ChangeSkinSaturation(TsSkinModel& model, int value) {
  if (value == 0) return;
  const int amount = std::clamp(Round(value * 2.55), -255, 255);
  ChangePictures(model, ChangeColorSaturation, amount);
  ChangeColors(model, [amount](TColor c) { return ChangeSaturation(c, amount); }, true);
}

void ChangeSkinBrightness(TsSkinModel& model, int value) {
  if (value == 0) return;
  ChangePictures(model, ChangeColorBrightness, value);
  ChangeColors(model, [value](TColor c) { return ChangeBrightness(c, value); }, false);
}

void ApplyColorChanges(TsSkinModel& model, int hue, int saturation, int brightness) {
  ChangeSkinHue(model, hue);
  ChangeSkinSaturation(model, saturation);
  ChangeSkinBrightness(model, brightness);
}
