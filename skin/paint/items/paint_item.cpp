#include "skin/paint/items/paint_item.h"

#include <algorithm>

#include "skin/paint/blends.h"
#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/items/fill_modes.h"
#include "skin/paint/items/gradients.h"
#include "skin/paint/items/skin_rect.h"
#include "skin/paint/items/slice_copy.h"
#include "skin/paint/pixel_changes.h"

namespace {

// A texture of the section: an image record or a large pattern picture.
struct TTexture {
  const TsMaskData* Image = nullptr;
  const TBitmap32* Pattern = nullptr;
  explicit operator bool() const { return Image != nullptr || Pattern != nullptr; }
};

// What the section's own background is made of.
struct TOwnLayers {
  TColor Color = 0;
  int Gradient = 0;  // percent
  int Image = 0;     // percent
  const TsGradArray* Stripes = nullptr;
  TTexture Texture;
};

TRect FrameRect(const TsMaskData& md) {
  const TRect& r = md.SourceRect;
  return {r.Left, r.Top, r.Left + WidthOfImage(md), r.Top + HeightOfImage(md)};
}

TTexture FindTexture(const TsSkinModel& skin, int skinIndex, const TsGenState& st, int given) {
  const std::string& name = skin.gd[static_cast<std::size_t>(skinIndex)].SectionName;
  for (int i : {given, st.TextureIndex})
    if (skin.IsValidImgIndex(i)) return {&skin.ma[static_cast<std::size_t>(i)], nullptr};
  const int image = skin.GetMaskIndex(skinIndex, name, "PATTERN");
  if (skin.IsValidImgIndex(image) && skin.ma[static_cast<std::size_t>(image)].MaskKind == 0)
    return {&skin.ma[static_cast<std::size_t>(image)], nullptr};
  const int pattern = skin.GetPatternIndex(skinIndex, name, "PATTERN");
  if (pattern >= 0 && pattern < static_cast<int>(skin.pa.size()))
    return {nullptr, &skin.pa[static_cast<std::size_t>(pattern)].Image};
  return {};
}

void PaintGradOrFill(TBitmap32& bmp, const TRect& rect, const TOwnLayers& own) {
  if (own.Stripes != nullptr && !own.Stripes->empty()) PaintGrad(bmp, rect, *own.Stripes);
  else FillRect32(bmp, rect, own.Color, 255);
}

// The texture laid over rect; band-only fill modes and masked textures lie on the colour.
void LayTexture(TBitmap32& bmp, const TRect& rect, const TOwnLayers& own, TPoint phase) {
  const TTexture& tex = own.Texture;
  if (tex.Pattern != nullptr) {
    TileBitmap(bmp, rect, *tex.Pattern, {0, 0, tex.Pattern->Width(), tex.Pattern->Height()}, fmTiled);
    return;
  }
  const TsMaskData& md = *tex.Image;
  const TacFillMode mode = acFillModes(md.PaintMode);
  if (md.MaskKind != 0 || (mode != fmTiled && mode != fmStretched && mode != fmDisTiled))
    FillRect32(bmp, rect, own.Color, 255);
  if (md.MaskKind != 0) {
    TileMasked(bmp, rect, md, phase);
  } else {
    const TSliceSource src = SliceSourceOf(md, TSliceMix::Plain);
    if (src.Picture != nullptr) TileBitmap(bmp, rect, *src.Picture, FrameRect(md), mode, phase);
  }
}

void PaintOwnBackground(TBitmap32& bmp, const TRect& rect, const TOwnLayers& own, TPoint phase) {
  const int g = own.Gradient, i = own.Image;
  const TTexture& tex = own.Texture;
  const bool stripes = own.Stripes != nullptr && !own.Stripes->empty();
  if (g + i == 100 && g > 0 && g < 100 && tex.Image != nullptr && tex.Image->PaintMode == 0 && stripes &&
      own.Stripes->front().Mode1 != gtAsBorder) {
    PaintGradTxt(bmp, rect, *own.Stripes, *tex.Image, i * 255 / 100);
    return;
  }
  const bool laid = i > 0 && tex;
  if (laid) LayTexture(bmp, rect, own, phase);
  if (g > 0) {
    if (laid) {
      TBitmap32 layer(rect.Width(), rect.Height());
      PaintGradOrFill(layer, {0, 0, rect.Width(), rect.Height()}, own);
      SumBmpRect(bmp, layer, std::clamp(i * 255 / 100, 0, 255), {0, 0, rect.Width(), rect.Height()},
                 {rect.Left, rect.Top});
    } else {
      PaintGradOrFill(bmp, rect, own);
    }
  }
  // With no layer painted (nothing asked for, or an image percent without a
  // texture) the colour stands alone.
  if (g + i == 0 || (!laid && g <= 0)) FillRect32(bmp, rect, own.Color, 255);
  else if (g + i < 100) BlendColorRect(bmp, {rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1}, g + i, own.Color);
}

// The parent's background in rect: its ready cache, the strips of a frame
// around its rectangle, or its fill colour.
void PaintParent(TBitmap32& bmp, const TRect& rect, const TCacheInfo& ci, TPoint offset) {
  const TRect inParent{ci.X + offset.X, ci.Y + offset.Y, ci.X + offset.X + rect.Width(),
                       ci.Y + offset.Y + rect.Height()};
  if (ci.Ready && ci.Bitmap != nullptr) {
    if (ci.Bitmap != &bmp) CopyImage(bmp, {rect.Left, rect.Top}, *ci.Bitmap, inParent);
    return;
  }
  FillRect32(bmp, rect, ci.FillColor, 255);
  if (ci.Bitmap == nullptr) return;
  const int w = ci.Bitmap->Width(), h = ci.Bitmap->Height();
  const TRect& r = ci.Rect;
  for (const TRect& strip : {TRect{0, 0, r.Left, h}, TRect{r.Left, 0, r.Right, r.Top}, TRect{r.Right, 0, w, h},
                             TRect{r.Left, r.Bottom, r.Right, h}}) {
    const TRect part{std::max(strip.Left, inParent.Left), std::max(strip.Top, inParent.Top),
                     std::min(strip.Right, inParent.Right), std::min(strip.Bottom, inParent.Bottom)};
    if (part.IsEmpty()) continue;
    CopyImage(bmp, {rect.Left + part.Left - inParent.Left, rect.Top + part.Top - inParent.Top}, *ci.Bitmap, part);
  }
}

TCacheInfo OwnPixels(const TBitmap32& bmp) {
  TCacheInfo self;
  self.Bitmap = &bmp;
  self.X = 0;
  self.Y = 0;
  self.Ready = true;
  return self;
}

}  // namespace

void PaintItemBG(const TsSkinModel& skin, int skinIndex, const TCacheInfo& ci, int state, const TRect& rect,
                 TPoint offset, TBitmap32& bmp, const TsItemTextures& textures, TColor customColor) {
  if (!skin.IsValidSkinIndex(skinIndex) || bmp.Empty() || rect.IsEmpty()) return;
  const TsGeneralData& section = skin.gd[static_cast<std::size_t>(skinIndex)];
  const TsGenState& st = section.Props[static_cast<std::size_t>(std::clamp(std::min(state, section.States - 1), 0, 1))];
  TOwnLayers own;
  int transparency = 0;
  if (customColor == sFuchsia) {
    own.Color = st.Color;
    transparency = st.Transparency;
    if (transparency != 100) {
      own.Image = st.ImagePercent;
      own.Gradient = st.GradientPercent;
      if (own.Image > 0) own.Texture = FindTexture(skin, skinIndex, st, textures.Texture);
      if (own.Gradient > 0) own.Stripes = &st.GradientArray;
    }
  } else {
    own.Color = customColor;
  }
  const TPoint phase{ci.X + offset.X, ci.Y + offset.Y};
  const bool parentShown = ci.Ready || ci.FillColor != sFuchsia;
  if (!parentShown || transparency <= 0) {
    PaintOwnBackground(bmp, rect, own, phase);
  } else if (transparency >= 100) {
    PaintParent(bmp, rect, ci, offset);
  } else if (ci.Ready || own.Gradient + own.Image > 0) {
    TBitmap32 layer(rect.Width(), rect.Height());
    PaintOwnBackground(layer, {0, 0, rect.Width(), rect.Height()}, own, phase);
    PaintParent(bmp, rect, ci, offset);
    SumBmpRect(bmp, layer, PercentWeight(transparency), {0, 0, rect.Width(), rect.Height()}, {rect.Left, rect.Top});
  } else {
    FillRect32(bmp, rect, MixColors(ColorToRGB(ci.FillColor), ColorToRGB(own.Color), transparency / 100.0), 255);
  }
  // A masked texture laid from the parent's corner comes last, over everything.
  const int last = state > 0 && textures.HotTexture != -1 ? textures.HotTexture : textures.Texture;
  if (skin.IsValidImgIndex(last)) {
    const TsMaskData& md = skin.ma[static_cast<std::size_t>(last)];
    if (md.MaskKind != 0 && acFillModes(md.PaintMode) == fmDisTiled) TileMasked(bmp, rect, md, phase);
  }
}

void PaintItem(const TsSkinModel* skin, int skinIndex, const TCacheInfo& ci, int state, const TRect& rect,
               TPoint offset, TBitmap32& bmp, const TsItemColors& colors, const TsItemTextures& textures) {
  if (skin == nullptr || bmp.Empty() || !skin->IsValidSkinIndex(skinIndex) || rect.IsEmpty() || rect.Left < 0 ||
      rect.Top < 0 || rect.Right > bmp.Width() || rect.Bottom > bmp.Height())
    return;
  const TsGeneralData& section = skin->gd[static_cast<std::size_t>(skinIndex)];
  state = std::clamp(state, 0, std::max(section.States - 1, 0));
  PaintItemBG(*skin, skinIndex, ci, state, rect, offset, bmp, textures);

  const TCacheInfo self = OwnPixels(bmp);
  for (int corner = 0; corner < 4; ++corner) {
    const int i = section.CornerImageIndex[static_cast<std::size_t>(corner)];
    if (!skin->IsValidImgIndex(i)) continue;
    const TsMaskData& md = skin->ma[static_cast<std::size_t>(i)];
    const int x = corner % 2 == 0 ? rect.Left : rect.Right - WidthOfImage(md);
    const int y = corner < 2 ? rect.Top : rect.Bottom - HeightOfImage(md);
    DrawSkinGlyph(bmp, {x, y}, state, self, md);
  }

  if (skin->IsValidImgIndex(section.BorderMaskIndex)) {
    const TsMaskData& md = skin->ma[static_cast<std::size_t>(section.BorderMaskIndex)];
    TCacheInfo moved = ci;
    moved.X += offset.X;
    moved.Y += offset.Y;
    DrawSkinRect(bmp, rect, moved, true, state, md);
  }

  if (colors.ColorTone != clNone)
    ChangeBitmapPixels(bmp, ChangeColorTone, static_cast<int>(colors.ColorTone), sFuchsia);
  if (colors.HUEOffset != 0) ChangeBitmapPixels(bmp, ChangeColorHUE, colors.HUEOffset, sFuchsia);
  if (colors.Saturation != 0) ChangeBitmapPixels(bmp, ChangeColorSaturation, colors.Saturation, sFuchsia);
}
