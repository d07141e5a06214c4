#include "skin/data/binding/skin_color_changes.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "skin/paint/transparent_pixels.h"
#include "skin/paint/hsv.h"
#include "skin/paint/pixel_changes.h"

namespace {

constexpr double kPreparedAlphaVersion = 7.45;  // newer skins paint their pictures premultiplied

constexpr TacPaletteColors kShiftedPalette[] = {
    pcMainColor, pcLabelText, pcWebText, pcEditText, pcEditBG, pcSelectionBG, pcSelectionText,
    pcSelectionBG_Focused, pcSelectionText_Focused, pcEditBG_Inverted, pcEditText_Inverted, pcEditBG_OddRow,
    pcEditBG_EvenRow, pcBorder};

// Title glyphs that keep their hue: the close glyphs from "BIKEEPHUE" 1 up,
// the others only at exactly 1.
constexpr std::array<std::string_view, 3> kCloseGlyphs = {"BICONCLOSE", "BICLOSEALONE", "SICONCLOSE"};
constexpr std::array<std::string_view, 7> kOtherGlyphs = {"BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP",
                                                          "SICONMAX", "SICONMIN", "SICONNORM"};

// The glyph itself or one of its glow pictures (glyph + "GLOW", glyph + "GLOW0").
bool IsGlyphOrGlow(std::string_view key, std::string_view glyph) {
  if (!key.starts_with(glyph)) return false;
  const std::string_view rest = key.substr(glyph.size());
  return rest.empty() || rest == "GLOW" || rest == "GLOW0";
}

bool KeepsHue(const TsMaskData& md, int keepHue) {
  if (keepHue < 1 || md.SectionName != "GLOBALINFO") return false;
  const auto named = [&](std::string_view glyph) { return IsGlyphOrGlow(md.KeyName, glyph); };
  if (std::any_of(kCloseGlyphs.begin(), kCloseGlyphs.end(), named)) return true;
  return keepHue == 1 && std::any_of(kOtherGlyphs.begin(), kOtherGlyphs.end(), named);
}

// The mask band of a masked record: the second band below the picture.
bool MaskBand(const TsMaskData& md, TRect& band) {
  if (md.MaskKind <= 0) return false;
  const int h = HeightOfImage(md);
  band = {md.SourceRect.Left, md.SourceRect.Top + h, md.SourceRect.Right, md.SourceRect.Top + 2 * h};
  return h > 0;
}

// Rectangles of a bitmap whose pixels a change must leave as they were: kept
// before the change and put back after it.
class TKeptAreas {
 public:
  void Add(const TBitmap32& bmp, const TRect& rect) {
    const TRect r = ClipToSize(rect, bmp.Width(), bmp.Height());
    if (r.IsEmpty()) return;
    areas_.push_back(r);
    for (int y = r.Top; y < r.Bottom; ++y) pixels_.insert(pixels_.end(), bmp.Row(y) + r.Left, bmp.Row(y) + r.Right);
  }
  void Restore(TBitmap32& bmp) const {
    auto from = pixels_.begin();
    for (const TRect& r : areas_)
      for (int y = r.Top; y < r.Bottom; ++y, from += r.Width()) std::copy(from, from + r.Width(), bmp.Row(y) + r.Left);
  }

 private:
  std::vector<TRect> areas_;
  std::vector<TsColor> pixels_;
};

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

// Changes a picture except its kept areas.
void ChangeKeeping(TBitmap32& bmp, const TKeptAreas& kept, TsPixelChange change, int amount) {
  ChangeBitmapPixels(bmp, change, amount, sFuchsia);
  kept.Restore(bmp);
}

}  // namespace

void ChangeSkinHue(TsSkinModel& model, int offset) {
  if (offset == 0) return;
  const int keepHue = model.SkinData.BIKeepHUE;
  TKeptAreas kept;
  for (const TsMaskData& md : model.ma)
    if (md.Image.Empty() && KeepsHue(md, keepHue)) kept.Add(model.MasterBitmap, md.SourceRect);
  ChangeKeeping(model.MasterBitmap, kept, ChangeColorHUE, offset);
  for (TsMaskData& md : model.ma)
    if (!md.Image.Empty() && !KeepsHue(md, keepHue)) ChangeBitmapPixels(md.Image, ChangeColorHUE, offset, sFuchsia);
  ChangeColors(model, [offset](TColor c) { return ChangeHue(offset, c); }, false);
}

void ChangeSkinSaturation(TsSkinModel& model, int value) {
  if (value == 0) return;
  const int amount = std::clamp(Round(value * 2.55), -255, 255);
  ChangeBitmapPixels(model.MasterBitmap, ChangeColorSaturation, amount, sFuchsia);
  for (TsMaskData& md : model.ma)
    if (!md.Image.Empty()) ChangeBitmapPixels(md.Image, ChangeColorSaturation, amount, sFuchsia);
  ChangeColors(model, [amount](TColor c) { return ChangeSaturation(c, amount); }, true);
}

void ChangeSkinBrightness(TsSkinModel& model, int value) {
  if (value == 0) return;
  TKeptAreas masks;
  TRect band;
  for (const TsMaskData& md : model.ma)
    if (md.Image.Empty() && MaskBand(md, band)) masks.Add(model.MasterBitmap, band);
  ChangeKeeping(model.MasterBitmap, masks, ChangeColorBrightness, value);

  // Loading prepares pictures of their own only while the brightness is 0 or
  // below; the others are prepared here, once brightened.
  const bool prepare = value > 0;
  const bool oldSkin = model.SkinData.Version < kPreparedAlphaVersion;
  for (TsMaskData& md : model.ma) {
    if (md.Image.Empty()) continue;
    TKeptAreas ownMask;
    if (MaskBand(md, band)) ownMask.Add(md.Image, band);
    ChangeKeeping(md.Image, ownMask, ChangeColorBrightness, value);
    if (!prepare) continue;
    if (oldSkin)
      NormaliseTransparent(md.Image);
    else
      PrepareAlphaKeepingKey(md.Image, {0, 0, md.Image.Width(), md.Image.Height()}, sFuchsia);
    ownMask.Restore(md.Image);
  }
  ChangeColors(model, [value](TColor c) { return ChangeBrightness(c, value); }, false);
}

void ApplyColorChanges(TsSkinModel& model, int hue, int saturation, int brightness) {
  ChangeSkinHue(model, hue);
  ChangeSkinSaturation(model, saturation);
  ChangeSkinBrightness(model, brightness);
}
