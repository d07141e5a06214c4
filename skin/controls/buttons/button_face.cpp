#include "skin/controls/buttons/button_face.h"

#include <algorithm>

#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/focus_rect.h"
#include "skin/paint/items/skin_rect.h"
#include "skin/paint/pixel_changes.h"

namespace {

const TsMaskData* BorderMask(const TsButtonFace& face) {
  if (!face.Skin || !face.Skin->IsValidImgIndex(face.BorderMaskIndex)) return nullptr;
  return &face.Skin->ma[static_cast<std::size_t>(face.BorderMaskIndex)];
}

void PaintBorder(TBitmap32& bmp, const TsButtonFace& face, int frame, TsButtonFaceResult& result) {
  const TsMaskData* md = BorderMask(face);
  if (!md) return;
  if (face.CornerRegion) {
    result.Region = PaintRgnBorder(bmp, face.Parent, frame, *md);
    result.HasRegion = true;
  } else {
    DrawSkinRect(bmp, {0, 0, bmp.Width(), bmp.Height()}, face.Parent, true, frame, *md);
  }
}

// The control's colour changes on every pixel but the key: tone, hue, and
// saturation x 2.55 limited to -255..255.
void UpdateBmpColors(TBitmap32& bmp, const TsItemColors& colors) {
  if (colors.ColorTone != clNone)
    ChangeBitmapPixels(bmp, ChangeColorTone, static_cast<int>(colors.ColorTone), sFuchsia);
  if (colors.HUEOffset != 0) ChangeBitmapPixels(bmp, ChangeColorHUE, colors.HUEOffset, sFuchsia);
  if (colors.Saturation != 0)
    ChangeBitmapPixels(bmp, ChangeColorSaturation, std::clamp(Trunc(colors.Saturation * 2.55), -255, 255),
                       sFuchsia);
}

}  // namespace

int ButtonFrameIndex(int state, int sectionStates) {
  if (state == kBtnDefault && sectionStates < 4) return std::max(0, std::min(1, sectionStates - 1));
  return std::max(0, std::min(state, sectionStates - 1));
}

bool BorderCutsRegion(const TsSkinModel& skin, int borderMaskIndex) {
  return skin.IsValidImgIndex(borderMaskIndex) && skin.ma[static_cast<std::size_t>(borderMaskIndex)].CornerKind == 2;
}

std::vector<TRect> PaintRgnBorder(TBitmap32& bmp, const TCacheInfo& ci, int frame, const TsMaskData& md) {
  const int w = bmp.Width(), h = bmp.Height();
  DrawSkinRect(bmp, {0, 0, w, h}, ci, true, frame, md);
  // The border alone over the key colour: what stays key in a corner is a hole.
  TBitmap32 alone = TBitmap32(w, h);
  FillRect32(alone, {0, 0, w, h}, sFuchsia, 0);
  DrawSkinRect(alone, {0, 0, w, h}, EmptyCI, false, frame, md);
  TBitmap32 holes = TBitmap32(w, h);
  FillRect32(holes, {0, 0, w, h}, 0, 0);
  const TSliceMargins m = FitMargins(md, w, h);
  const TRect corners[4] = {{0, 0, m.Left, m.Top}, {w - m.Right, 0, w, m.Top}, {0, h - m.Bottom, m.Left, h},
                            {w - m.Right, h - m.Bottom, w, h}};
  for (const TRect& corner : corners) CopyImage(holes, {corner.Left, corner.Top}, alone, corner);
  return RunsComplement(AddRgnBmp(holes, sFuchsia), w, h);
}

TsButtonFaceResult PaintButtonFace(TBitmap32& bmp, const TsButtonFace& face, const TsButtonCaption& caption,
                                   TacDrawGlyphData glyph, const TsButtonFocus& focus, TsTextRasteriser& raster) {
  TsButtonFaceResult result;
  if (face.Width <= 0 || face.Height <= 0 || !face.Skin || !face.Skin->IsValidSkinIndex(face.SkinIndex))
    return result;
  if (bmp.Width() != face.Width || bmp.Height() != face.Height) bmp = TBitmap32(face.Width, face.Height);
  if (bmp.Empty()) return result;
  const TsGeneralData& section = face.Skin->gd[static_cast<std::size_t>(face.SkinIndex)];
  const int frame = ButtonFrameIndex(face.State, section.States);
  const TPoint offset = face.OffsetPressed && frame == kBtnPressed ? TPoint{1, 1} : TPoint{0, 0};
  PaintItemBG(*face.Skin, face.SkinIndex, face.Parent, frame, {0, 0, face.Width, face.Height}, offset, bmp);
  if (face.DrawOverBorder) PaintBorder(bmp, face, frame, result);
  UpdateBmpColors(bmp, face.Colors);
  if (!caption.Text.empty())
    WriteTextEx(bmp, caption.Text, true, face.State != kBtnNormal, caption.Skin, caption.Format, caption.Rect,
                caption.FontColor, raster);
  glyph.Dest = &bmp;
  acDrawGlyphEx(glyph);
  if (!face.DrawOverBorder) PaintBorder(bmp, face, frame, result);
  if (focus.Show) FocusRect(bmp, focus.Rect, focus.Color);
  if (!face.Enabled)
    BmpDisabledKind(bmp, face.DisabledKind, face.ControlColor, {0, 0}, face.Parent);  // Parent is at the button already
  result.Painted = true;
  return result;
}
