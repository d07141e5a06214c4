#include "skin/paint/items/glow_picture.h"

#include <algorithm>
#include <cstring>

#include "skin/paint/fills.h"
#include "skin/paint/pixel_changes.h"

TacGlowPlacement GlowPlacement(const TRect& control, const TRect& visible, const TSliceMargins& slices,
                               int glowMargin) {
  TacGlowPlacement p;
  p.Width = control.Width() + slices.Left + slices.Right - 2 * glowMargin;
  p.Height = control.Height() + slices.Top + slices.Bottom - 2 * glowMargin;
  const TRect seen = ClipToSize(visible, control.Width(), control.Height());
  if (p.Width <= 0 || p.Height <= 0 || seen.IsEmpty()) return p;
  // A control seen only in part glows only around that part: each side that
  // is hidden is cut at the visible edge.
  p.Cut = {seen.Left > 0 ? slices.Left + seen.Left - glowMargin : 0,
           seen.Top > 0 ? slices.Top + seen.Top - glowMargin : 0,
           p.Width - (seen.Right < control.Width() ? control.Width() - seen.Right + slices.Right - glowMargin : 0),
           p.Height -
               (seen.Bottom < control.Height() ? control.Height() - seen.Bottom + slices.Bottom - glowMargin : 0)};
  p.Cut = ClipToSize(p.Cut, p.Width, p.Height);
  if (p.Cut.IsEmpty()) return p;
  const int left = control.Left + glowMargin - slices.Left, top = control.Top + glowMargin - slices.Top;
  p.Window = {left + p.Cut.Left, top + p.Cut.Top, left + p.Cut.Right, top + p.Cut.Bottom};
  return p;
}

// In whole numbers: 2.55 as a double would make 100 into 254.
int GlowSaturation(int stored) {
  return std::clamp(static_cast<int>(static_cast<long long>(stored) * 255 / 100), -255, 255);
}

TBitmap32 MakeGlowPicture(const TsMaskData& image, const TacGlowPlacement& placement, const TacGlowColours& colours) {
  if (placement.Window.IsEmpty()) return {};
  const TRect cut = placement.Cut;
  TBitmap32 bmp(cut.Width(), cut.Height());
  if (bmp.Empty()) return bmp;
  for (int y = 0; y < bmp.Height(); ++y) std::memset(bmp.Row(y), 0, sizeof(TsColor) * static_cast<size_t>(bmp.Width()));
  // The whole picture drawn shifted, so that only the cut lands in the bitmap.
  DrawSkinRect(bmp, {-cut.Left, -cut.Top, placement.Width - cut.Left, placement.Height - cut.Top}, EmptyCI, false, 0,
               image);
  if (colours.Tone != clNone) ChangeBitmapPixels(bmp, ChangeColorTone, static_cast<int>(colours.Tone), clNone);
  if (colours.Hue != 0) ChangeBitmapPixels(bmp, ChangeColorHUE, colours.Hue, clNone);
  if (const int saturation = GlowSaturation(colours.Saturation); saturation != 0)
    ChangeBitmapPixels(bmp, ChangeColorSaturation, saturation, clNone);
  UpdateAlpha(bmp);
  return bmp;
}
