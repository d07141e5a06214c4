#include "skin/data/binding/form_shadows.h"

#include <algorithm>

#include "skin/data/binding/shadow_pictures.h"
#include "skin/paint/transparent_pixels.h"
#include "skin/data/image_decode.h"

namespace {

constexpr double kCleanShadowVersion = 7.6;  // older skins store transparent pixels as white

TBitmap32 DecodeBuiltIn(bool active) {
  std::optional<TLoadedImage> image = DecodeSkinImage(ShadowPicturePng(active));
  if (!image) return {};
  NormaliseTransparent(image->Bitmap);
  return std::move(image->Bitmap);
}

TBitmap32 CopyOf(const TBitmap32& source, const TRect& rect) {
  const TRect r = ClipToSize(rect, source.Width(), source.Height());
  if (source.Empty() || r.IsEmpty()) return {};
  TBitmap32 copy(r.Width(), r.Height());
  if (copy.Empty()) return copy;
  for (int y = 0; y < r.Height(); ++y)
    std::copy(source.Row(r.Top + y) + r.Left, source.Row(r.Top + y) + r.Right, copy.Row(y));
  return copy;
}

TBitmap32 CopyOf(const TBitmap32& source) { return CopyOf(source, {0, 0, source.Width(), source.Height()}); }

// Frame k of the record's picture band.
TBitmap32 FrameOf(const TsSkinModel& model, const TsMaskData& md, int frame) {
  const int w = WidthOfImage(md), h = HeightOfImage(md);
  const int left = md.SourceRect.Left + frame * w;
  return CopyOf(model.SourceOf(md), {left, md.SourceRect.Top, left + w, md.SourceRect.Top + h});
}

}  // namespace

const TBitmap32& BuiltInShadow(bool active) {
  static const TBitmap32 activeShadow = DecodeBuiltIn(true);
  static const TBitmap32 inactiveShadow = DecodeBuiltIn(false);
  return active ? activeShadow : inactiveShadow;
}

void CheckShadows(TsSkinModel& model, bool enabled, const TacShadowSizing& sizing, TacShadowImages& shadows) {
  shadows = {};
  if (!enabled) return;
  const int index = model.SkinConstants.ExBorder;
  if (!model.IsValidImgIndex(index)) {
    shadows.Active = CopyOf(BuiltInShadow(true));
    shadows.Inactive = CopyOf(BuiltInShadow(false));
    shadows.Margins.fill(kBuiltInShadowMargin);
    return;
  }
  if (sizing.UseSize)
    shadows.Margins.fill(sizing.Size);
  else
    shadows.Margins = {std::max(model.MaskWidthLeft(index) - sizing.Offset, 0),
                       std::max(model.MaskWidthTop(index) - sizing.Offset, 0),
                       std::max(model.MaskWidthRight(index) - sizing.Offset, 0),
                       std::max(model.MaskWidthBottom(index) - sizing.Offset, 0)};
  // After the margins: MaskWidthLeft makes a frame count of 0 into 1.
  const TsMaskData& md = model.ma[static_cast<std::size_t>(index)];
  shadows.Active = FrameOf(model, md, 0);
  shadows.Inactive = FrameOf(model, md, md.FrameCount > 1 ? 1 : 0);
  if (model.SkinData.Version < kCleanShadowVersion) {
    NormaliseTransparent(shadows.Active);
    NormaliseTransparent(shadows.Inactive);
  }
}
