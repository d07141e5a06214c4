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
