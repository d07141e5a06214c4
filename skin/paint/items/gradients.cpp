#include "skin/paint/items/gradients.h"

#include <algorithm>
#include <vector>

#include "skin/paint/items/slice_copy.h"

namespace {

// The colours of a gradient along length steps, as pixels with alpha 255.
std::vector<TsColor> ColourRamp(int length, const TsGradArray& stripes, int extra) {
  std::vector<TsColor> ramp(static_cast<std::size_t>(std::max(length, 0)), 0xFF000000u);
  int start = extra;
  for (std::size_t i = 0; i < stripes.size() && start < length; ++i) {
    const TsGradPie& g = stripes[i];
    const int end = i + 1 == stripes.size() ? length : start + (length + extra) * g.Percent / 100;
    const int count = end - start;
    if (count <= 0) continue;
    float channel[3], step[3];
    for (int k = 0; k < 3; ++k) {
      channel[k] = static_cast<float>(ByteOf(g.Color1, k));
      step[k] = static_cast<float>(ByteOf(g.Color2, k) - ByteOf(g.Color1, k)) / static_cast<float>(count);
    }
    for (int j = 0; j < count && start + j < length; ++j) {
      const auto at = [&](int k) { return ClampByte(static_cast<int>(channel[k] + step[k] * static_cast<float>(j))); };
      // Colour values are red-low; pixels are blue-low.
      ramp[static_cast<std::size_t>(start + j)] = SwapRedBlue(MakeBytes(at(0), at(1), at(2))) | 0xFF000000u;
    }
    start = end;
  }
  return ramp;
}

// Where a pixel of rect lies along the gradient.
struct TRampWalk {
  TGradientTypes Kind = gtTopBottom;
  int Width = 0, Height = 0;
  int Length() const {
    return Kind == gtLeftRight ? Width : Kind == gtAsBorder ? (std::min(Width, Height) + 1) / 2 : Height;
  }
  int At(int x, int y) const {  // x, y inside rect from its corner
    if (Kind == gtLeftRight) return x;
    if (Kind == gtTopBottom) return y;
    return std::min(std::min(x, Width - 1 - x), std::min(y, Height - 1 - y));
  }
};

TRampWalk WalkOf(const TRect& rect, const TsGradArray& stripes) {
  return {stripes.empty() ? gtTopBottom : stripes.front().Mode1, rect.Width(), rect.Height()};
}

}  // namespace

void PaintGrad(TBitmap32& bmp, const TRect& rect, const TsGradArray& stripes, int extra) {
  const TRect clip = ClipToSize(rect, bmp.Width(), bmp.Height());
  if (bmp.Empty() || clip.IsEmpty() || stripes.empty()) return;
  const TRampWalk walk = WalkOf(rect, stripes);
  const std::vector<TsColor> ramp = ColourRamp(walk.Length(), stripes, extra);
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    TsColor* row = bmp.Row(y);
    for (int x = clip.Left; x < clip.Right; ++x)
      row[x] = ramp[static_cast<std::size_t>(walk.At(x - rect.Left, y - rect.Top))];
  }
}

void PaintGradTxt(TBitmap32& bmp, const TRect& rect, const TsGradArray& stripes, const TsMaskData& texture,
                  int weight) {
  const TRect clip = ClipToSize(rect, bmp.Width(), bmp.Height());
  const TSliceSource src = SliceSourceOf(texture, TSliceMix::Plain);
  const TRect frame = ClipToSize({texture.SourceRect.Left, texture.SourceRect.Top,
                                  texture.SourceRect.Left + WidthOfImage(texture),
                                  texture.SourceRect.Top + HeightOfImage(texture)},
                                 src.Picture ? src.Picture->Width() : 0, src.Picture ? src.Picture->Height() : 0);
  if (bmp.Empty() || clip.IsEmpty() || stripes.empty()) return;
  if (frame.IsEmpty()) {
    PaintGrad(bmp, rect, stripes);
    return;
  }
  const TsColor w = static_cast<TsColor>(std::clamp(weight, 0, 256));
  const TRampWalk walk = WalkOf(rect, stripes);
  const std::vector<TsColor> ramp = ColourRamp(walk.Length(), stripes, 0);
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    TsColor* row = bmp.Row(y);
    const TsColor* tex = src.Picture->Row(frame.Top + (y - rect.Top) % frame.Height());
    for (int x = clip.Left; x < clip.Right; ++x) {
      const TsColor g = ramp[static_cast<std::size_t>(walk.At(x - rect.Left, y - rect.Top))];
      const TsColor t = tex[frame.Left + (x - rect.Left) % frame.Width()];
      TsColor out = 0xFF000000u;
      for (int k = 0; k < 24; k += 8) {
        const TsColor gc = (g >> k) & 0xFFu, tc = (t >> k) & 0xFFu;
        out |= ((tc * w + gc * (256 - w)) >> 8) << k;
      }
      row[x] = out;
    }
  }
}
