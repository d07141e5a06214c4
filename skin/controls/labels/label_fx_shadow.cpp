#include "skin/controls/labels/label_fx_shadow.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TacShadowExtent ShadowExtent(const TacShadowData& shadow) {
  return {std::min(0, shadow.Distance - shadow.Blur), std::max(0, shadow.Distance + shadow.Blur)};
}

int NearestEven(double x) { return static_cast<int>(std::nearbyint(std::clamp(x, -2147483648.0, 2147483647.0))); }

TacRotatedBox RotatedTextBox(int tw, int th, int angle) {
  if (angle == 0) return {tw, th, 0, 0};
  const double a = angle * std::numbers::pi / 180.0, c = std::cos(a), s = std::sin(a);
  TacRotatedBox box;
  box.Width = NearestEven(std::fabs(s) * th + std::fabs(c) * tw);
  box.Height = NearestEven(std::fabs(c) * th + std::fabs(s) * tw);
  box.OffsetX = NearestEven((tw - c * tw - s * th) / 2) + (box.Width - tw) / 2;
  box.OffsetY = NearestEven(((1 - c) * th + tw * s) / 2) + (box.Height - th) / 2;
  return box;
}

TRect FxTextRect(const TRect& bounds, int boxWidth, int boxHeight, const TacShadowExtent& extent, int distance,
                 TAlignment alignment, TTextLayout layout) {
  const int lt = extent.LeftTop, rb = extent.RightBottom;
  TRect r;
  switch (alignment) {
    case taLeftJustify: r.Left = bounds.Left - lt; break;
    case taRightJustify: r.Left = bounds.Right - boxWidth - rb; break;
    case taCenter: r.Left = distance + (bounds.Right - boxWidth - rb - lt) / 2; break;
  }
  switch (layout) {
    case tlTop: r.Top = bounds.Top - lt; break;
    case tlCenter: r.Top = distance + (bounds.Bottom - boxHeight - rb - lt) / 2; break;
    case tlBottom: r.Top = bounds.Bottom - boxHeight - rb; break;
  }
  r.Right = r.Left + boxWidth;
  r.Bottom = r.Top + boxHeight;
  return r;
}

void TacShadowMask::Reset(int width, int height) {
  FStride = std::max(0, width) + 2;
  FRows = std::max(0, height) + 2;
  const size_t needed = static_cast<size_t>(FStride) * static_cast<size_t>(FRows);
  if (FCells.size() < needed) FCells.assign(2 * needed, 0);
  else std::fill_n(FCells.begin(), needed, std::uint8_t{0});
}

void TacShadowMask::Blur(const TBitmap32& text, int blur) {
  const int width = std::min(text.Width(), FStride - 2), height = std::min(text.Height(), FRows - 2);
  if (width <= 0 || height <= 0) return;
  std::uint8_t* cells = FCells.data();
  const ptrdiff_t stride = FStride;
  for (int round = 0; round < blur; ++round) {
    for (int y = 0; y < height; ++y) {
      const TsColor* src = text.Row(y);
      std::uint8_t* cell = cells + (y + 1) * stride + 1;
      for (int x = 0; x < width; ++x)
        if (src[x] & 0xFFu) cell[x] = 255;
    }
    for (int y = 0; y < height; ++y) {
      std::uint8_t* cell = cells + (y + 1) * stride + 1;
      const std::uint8_t* above = cell - stride;
      const std::uint8_t* below = cell + stride;
      for (int x = 0; x < width; ++x)
        cell[x] = static_cast<std::uint8_t>((above[x] + below[x] + cell[x - 1] + cell[x + 1]) >> 2);
    }
  }
}

void ComposeShadow(TBitmap32& picture, const TacShadowMask& mask, const TacShadowData& shadow, bool transparent,
                   TColor background) {
  const unsigned sr = shadow.Color & 0xFFu, sg = (shadow.Color >> 8) & 0xFFu, sb = (shadow.Color >> 16) & 0xFFu;
  const unsigned br = background & 0xFFu, bg = (background >> 8) & 0xFFu, bb = (background >> 16) & 0xFFu;
  const unsigned alpha = static_cast<unsigned>(std::clamp(shadow.Alpha, 0, 255));
  for (int y = 0; y < picture.Height(); ++y) {
    TsColor* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const unsigned v = (mask.At(x, y) * alpha) >> 8, u = 255 - v;
      const TsColor p = row[x];
      // Outside the shadow the mix would still darken by one level (x 255 >> 8).
      if (v == 0) {
        if (!transparent) row[x] = (p & 0xFF000000u) | (br << 16) | (bg << 8) | bb;
        continue;
      }
      const unsigned pb = transparent ? p & 0xFFu : bb, pg = transparent ? (p >> 8) & 0xFFu : bg,
                     pr = transparent ? (p >> 16) & 0xFFu : br;
      row[x] = (p & 0xFF000000u) | (((u * pr + v * sr) >> 8) << 16) | (((u * pg + v * sg) >> 8) << 8) |
               ((u * pb + v * sb) >> 8);
    }
  }
}

TRect FxAdjustBounds(const TacFxBoundsInput& in) {
  const int lt = in.Now.LeftTop, rb = in.Now.RightBottom, lt0 = in.Old.LeftTop, rb0 = in.Old.RightBottom;
  const int width = in.Bounds.Width(), height = in.Bounds.Height();
  int left = in.Bounds.Left, top = in.Bounds.Top, newWidth, newHeight;
  if (!in.AutoSize) {
    const int tw0 = lt0 + width - rb0, th0 = lt0 + height - rb0;
    newWidth = rb + tw0 - lt;
    newHeight = rb + th0 - lt;
    left += in.Alignment == taCenter ? -(rb + lt0 - lt - rb0) / 2 : lt - lt0;
    top += in.Layout == tlCenter ? -(lt0 + rb - lt - rb0) / 2 : lt - lt0;
  } else {
    newWidth = in.BoxWidth + rb - lt;
    newHeight = in.BoxHeight + rb - lt;
    switch (in.Alignment) {
      case taLeftJustify: left += lt - lt0; break;
      case taCenter: left -= (lt0 - lt + rb - rb0) / 2; break;
      case taRightJustify: left += width - newWidth; break;  // the right edge stays
    }
    switch (in.Layout) {
      case tlTop: top += lt - lt0; break;
      case tlCenter: top -= (lt0 - lt + rb - rb0) / 2; break;
      case tlBottom: top += height - newHeight; break;  // the bottom edge stays
    }
  }
  return {left, top, left + newWidth, top + newHeight};
}
