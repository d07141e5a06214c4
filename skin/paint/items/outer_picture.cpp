#include "skin/paint/items/outer_picture.h"

#include <algorithm>

#include "skin/paint/fills.h"
#include "skin/paint/items/skin_rect.h"

TacOuterLook OuterLook(const TsSkinModel& skin, int section) {
  if (!skin.IsValidSkinIndex(section)) return {};
  const TsGeneralData& gd = skin.gd[static_cast<std::size_t>(section)];
  const auto image = [&skin](int index) {
    return skin.IsValidImgIndex(index) ? &skin.ma[static_cast<std::size_t>(index)] : nullptr;
  };
  if (const TsMaskData* own = image(gd.OuterMaskIndex)) return {own, gd.OuterOffset, gd.OuterOpacity};
  if (gd.OuterMode < 1 || gd.OuterMode > 2) return {};
  const OuterEffectRecord& effect = skin.OuterEffects[static_cast<std::size_t>(gd.OuterMode - 1)];
  if (effect.Source == 0) return {};
  return {image(effect.ImageIndex), effect.Offset, effect.Opacity};
}

TBitmap32 MakeOuterPicture(const TacOuterLook& look, int controlWidth, int controlHeight) {
  if (!look.Image || controlWidth <= 0 || controlHeight <= 0) return {};
  const auto reach = [&look](int i) { return std::max(look.Reach[static_cast<std::size_t>(i)], 0); };
  const int w = controlWidth + reach(0) + reach(2), h = controlHeight + reach(1) + reach(3);
  // Drawn over black and over white: where the two differ the image lets the
  // background through, which gives its alpha whatever kind of image it is.
  TBitmap32 onBlack(w, h), onWhite(w, h);
  if (onBlack.Empty() || onWhite.Empty()) return {};
  FillRect32(onBlack, {0, 0, w, h}, 0x000000, 0);
  FillRect32(onWhite, {0, 0, w, h}, 0xFFFFFF, 0);
  DrawSkinRect(onBlack, {0, 0, w, h}, EmptyCI, false, 0, *look.Image);
  DrawSkinRect(onWhite, {0, 0, w, h}, EmptyCI, false, 0, *look.Image);
  const int opacity = std::clamp(look.Opacity, 0, 255);
  const TRect control{reach(0), reach(1), reach(0) + controlWidth, reach(1) + controlHeight};
  for (int y = 0; y < h; ++y) {
    TsColor* row = onBlack.Row(y);
    const TsColor* white = onWhite.Row(y);
    for (int x = 0; x < w; ++x) {
      if (x >= control.Left && x < control.Right && y >= control.Top && y < control.Bottom) {
        row[x] = 0;
        continue;
      }
      // Premultiplied: the colour over black is already colour x alpha.
      const int through = ((white[x] >> 8) & 0xFF) - ((row[x] >> 8) & 0xFF);
      const int alpha = std::clamp(255 - through, 0, 255) * opacity / 255;
      const auto scale = [&](int shift) { return ((((row[x] >> shift) & 0xFF) * opacity / 255) & 0xFFu) << shift; };
      row[x] = (static_cast<TsColor>(alpha) << 24) | scale(16) | scale(8) | scale(0);
    }
  }
  return onBlack;
}

namespace {

// Where destination position d of size n takes its source from a picture of
// size p cut into slices of s at either end: the ends as they are, the middle stretched.
int SliceSource(int d, int n, int p, int s) {
  if (d < s) return d;
  if (d >= n - s) return p - (n - d);
  const int middle = n - 2 * s, source = p - 2 * s;
  return middle > 0 ? s + static_cast<int>(static_cast<long long>(d - s) * source / middle) : s;
}

}  // namespace

TBitmap32 MakeFormShadow(const TBitmap32& picture, const std::array<int, 4>& margins, int formWidth, int formHeight) {
  if (picture.Empty() || formWidth <= 0 || formHeight <= 0) return {};
  const int w = formWidth + std::max(margins[0], 0) + std::max(margins[2], 0);
  const int h = formHeight + std::max(margins[1], 0) + std::max(margins[3], 0);
  const int sx = std::min(picture.Width() / 2, w / 2), sy = std::min(picture.Height() / 2, h / 2);
  TBitmap32 bmp(w, h);
  if (bmp.Empty()) return bmp;
  for (int y = 0; y < h; ++y) {
    const TsColor* src = picture.Row(SliceSource(y, h, picture.Height(), sy));
    TsColor* row = bmp.Row(y);
    for (int x = 0; x < w; ++x) row[x] = src[SliceSource(x, w, picture.Width(), sx)];
  }
  UpdateAlpha(bmp);
  return bmp;
}
