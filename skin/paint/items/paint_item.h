#pragma once
// A skin section painted into a control's bitmap for one state: background
// (colour, gradient, texture, transparency against the parent), corner
// images, the border 9-slice and the control's own colour changes.
#include "skin/data/skin_model.h"
#include "skin/paint/cache_info.h"

// The control's colour changes, applied to the finished picture.
struct TsItemColors {
  TColor ColorTone = clNone;  // clNone: no tone
  int HUEOffset = 0;
  int Saturation = 0;
};

// Textures chosen by the control instead of the section's, -1 for none.
struct TsItemTextures {
  int Texture = -1;     // state 0 (and every state without a hot one)
  int HotTexture = -1;  // states above 0
};

// The section's background in rect of bmp. ci describes the parent's
// background; offset is rect's place relative to the control's place in the
// parent cache. A custom colour other than sFuchsia replaces the section's
// colour and switches transparency, texture and gradient off.
void PaintItemBG(const TsSkinModel& skin, int skinIndex, const TCacheInfo& ci, int state, const TRect& rect,
                 TPoint offset, TBitmap32& bmp, const TsItemTextures& textures = {}, TColor customColor = sFuchsia);

// The whole section: nothing without a skin or bitmap, for an invalid section
// or when rect is empty or not inside the bitmap.
void PaintItem(const TsSkinModel* skin, int skinIndex, const TCacheInfo& ci, int state, const TRect& rect,
               TPoint offset, TBitmap32& bmp, const TsItemColors& colors = {}, const TsItemTextures& textures = {});
