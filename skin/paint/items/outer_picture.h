#pragma once
// The outer effect of a control, a shadow or a lowered frame around it: the
// image it is drawn from (the section's own, else the skin-wide one its
// OUTERMODE names), how far it reaches beyond the control on each side and
// its opacity; and its picture, premultiplied for a per-pixel-alpha window.
// Also the shadow around a form with extended borders.
#include <array>

#include "skin/data/skin_model.h"

struct TacOuterLook {
  const TsMaskData* Image = nullptr;  // none: no effect
  std::array<int, 4> Reach{};         // left, top, right, bottom
  int Opacity = 255;
};

// The section's "OUTERMASK" with its outer offsets and opacity; else, with
// OUTERMODE 1 or 2, the skin's lowered (1) or shadow (2) effect when the
// skin has one.
TacOuterLook OuterLook(const TsSkinModel& skin, int section);

// A picture of the control's size grown by the reach: the image as a
// 9-slice over all of it at the opacity, the control's own rectangle left
// clear. Empty without an image or for an empty control.
TBitmap32 MakeOuterPicture(const TacOuterLook& look, int controlWidth, int controlHeight);

// The shadow of a form with extended borders: the picture (straight alpha)
// stretched as a 9-slice, slices half its size, over the form's size grown
// by the margins (left, top, right, bottom); premultiplied. Empty for an
// empty picture or form.
TBitmap32 MakeFormShadow(const TBitmap32& picture, const std::array<int, 4>& margins, int formWidth, int formHeight);
