#include "skin/paint/items/slice_copy.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/data/skin_model.h"

namespace {

constexpr TsColor kOpaque = 0xFF000000u;

// Per channel ((d - s) * m + s * 256) >> 8; never negative, as it equals d * m + s * (256 - m).
inline TsColor MixByMask(TsColor d, TsColor s, TsColor m) {
  TsColor out = 0;
  for (int k = 0; k < 24; k += 8) {
    const TsColor dc = (d >> k) & 0xFFu, sc = (s >> k) & 0xFFu, mc = (m >> k) & 0xFFu;
    out |= ((dc * mc + sc * (256 - mc)) >> 8) << k;
  }
  return out;
}

// The per-pixel rule of one slice copy, decided once per call.
class TPixelRule {
 public:
  TPixelRule(TSliceMix mix, const TSliceHoles& holes) : mix_(mix), useCache_(holes.UseCache), ci_(*holes.Cache) {
    cacheReady_ = ci_.Ready && ci_.Bitmap != nullptr && !ci_.Bitmap->Empty();
    // Without any parent colour a hole stays a key pixel, so regions still find it.
    fill_ = ci_.FillColor == sFuchsia ? sFuchsia : (SwapRedBlue(ColorToRGB(ci_.FillColor)) & 0x00FFFFFFu) | kOpaque;
  }

  void Apply(TsColor& d, TsColor s, TsColor m, int x, int y) const {
    switch (mix_) {
      case TSliceMix::Plain:
        d = s;
        return;
      case TSliceMix::Keyed:
        if (s == sFuchsia) Hole(d, x, y);
        else d = s;
        return;
      case TSliceMix::Masked:
        if (cacheReady_) {
          if (useCache_ && s == sFuchsia) Hole(d, x, y);
          else d = MixByMask(d, s, m) | kOpaque;
          d |= kOpaque;
        } else if (s == sFuchsia) {
          Hole(d, x, y);
        } else {
          d = (d & kOpaque) | MixByMask(d, s, m);
        }
        return;
    }
  }

 private:
  // A hole shows the parent: its cache pixel, or its fill colour without a
  // ready cache; without use-cache (or outside the cache) it keeps what is there.
  void Hole(TsColor& d, int x, int y) const {
    if (!useCache_) return;
    if (!cacheReady_) {
      d = fill_;
      return;
    }
    const int cx = ci_.X + x, cy = ci_.Y + y;
    if (cx >= 0 && cy >= 0 && cx < ci_.Bitmap->Width() && cy < ci_.Bitmap->Height()) d = ci_.Bitmap->Row(cy)[cx];
  }

  TSliceMix mix_;
  bool useCache_;
  bool cacheReady_ = false;
  const TCacheInfo& ci_;
  TsColor fill_ = 0;
};

// Whole slices of a picture repeated over a rectangle: each copy is the
// slice (or the part of it left at the far edges) copied as it is.
void TileRect(TBitmap32& dst, const TRect& rect, const TSliceSource& src, const TRect& srcRect,
              const TSliceHoles& holes, TPoint phase) {
  const int w = srcRect.Width(), h = srcRect.Height();
  if (w <= 0 || h <= 0 || rect.IsEmpty()) return;
  const int startX = ((phase.X % w) + w) % w, startY = ((phase.Y % h) + h) % h;
  // Only the copies that reach the destination bitmap.
  const TRect visible = ClipToSize(rect, dst.Width(), dst.Height());
  if (visible.IsEmpty()) return;
  for (int y = rect.Top - startY; y < visible.Bottom; y += h) {
    if (y + h <= visible.Top) {
      y += (visible.Top - y - h) / h * h;
      continue;
    }
    for (int x = rect.Left - startX; x < visible.Right; x += w) {
      if (x + w <= visible.Left) {
        x += (visible.Left - x - w) / w * w;
        continue;
      }
      // The copy cut to rect, the source cut the same way.
      const TRect piece{std::max(x, rect.Left), std::max(y, rect.Top), std::min(x + w, rect.Right),
                        std::min(y + h, rect.Bottom)};
      const TRect from{srcRect.Left + piece.Left - x, srcRect.Top + piece.Top - y,
                       srcRect.Left + piece.Right - x, srcRect.Top + piece.Bottom - y};
      SliceCopy(dst, piece, src, from, holes);
    }
  }
}

}  // namespace

void SliceCopy(TBitmap32& dst, const TRect& dstRect, const TSliceSource& src, const TRect& srcRect,
               const TSliceHoles& holes) {
  if (dst.Empty() || src.Picture == nullptr || src.Picture->Empty() || dstRect.IsEmpty() || srcRect.IsEmpty())
    return;
  const TBitmap32& pic = *src.Picture;
  const int maskOffset = src.Mix == TSliceMix::Masked ? src.MaskOffset : 0;
  const TRect clip = ClipToSize(dstRect, dst.Width(), dst.Height());
  if (clip.IsEmpty()) return;
  const TPixelRule rule(src.Mix, holes);
  const int dw = dstRect.Width(), dh = dstRect.Height(), sw = srcRect.Width(), sh = srcRect.Height();
  const bool stretched = dw != sw || dh != sh;
  // Nearest neighbour: the source pixel under the centre of each destination pixel.
  const auto sourceX = [&](int x) {
    const int i = x - dstRect.Left;
    return srcRect.Left + (stretched ? static_cast<int>((2LL * i + 1) * sw / (2LL * dw)) : i);
  };
  const auto sourceY = [&](int y) {
    const int i = y - dstRect.Top;
    return srcRect.Top + (stretched ? static_cast<int>((2LL * i + 1) * sh / (2LL * dh)) : i);
  };
  // Source columns inside the picture, looked up once per call.
  int x0 = clip.Left, x1 = clip.Right;
  while (x0 < x1 && sourceX(x0) < 0) ++x0;
  while (x1 > x0 && sourceX(x1 - 1) >= pic.Width()) --x1;
  thread_local std::vector<int> columns;
  columns.resize(static_cast<std::size_t>(x1 - x0));
  for (int x = x0; x < x1; ++x) columns[static_cast<std::size_t>(x - x0)] = sourceX(x);
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    const int sy = sourceY(y);
    if (sy < 0 || sy >= pic.Height() || sy + maskOffset < 0 || sy + maskOffset >= pic.Height()) continue;
    const TsColor* s = pic.Row(sy);
    const TsColor* m = pic.Row(sy + maskOffset);
    TsColor* d = dst.Row(y);
    if (!stretched && src.Mix == TSliceMix::Plain) {
      std::copy(s + sourceX(x0), s + sourceX(x0) + (x1 - x0), d + x0);
      continue;
    }
    for (int x = x0; x < x1; ++x) {
      const int sx = columns[static_cast<std::size_t>(x - x0)];
      rule.Apply(d[x], s[sx], m[sx], x, y);
    }
  }
}

void SliceTile(TBitmap32& dst, const TRect& dstRect, const TSliceSource& src, const TRect& srcRect,
               const TSliceHoles& holes, TPoint phase) {
  TileRect(dst, dstRect, src, srcRect, holes, phase);
}

TSliceSource SliceSourceOf(const TsMaskData& md, TSliceMix mix) {
  const TBitmap32* picture = !md.Image.Empty() ? &md.Image : md.Owner ? &md.Owner->SourceOf(md) : nullptr;
  return {picture, mix, HeightOfImage(md)};
}

void CopyByMask(TBitmap32& dst, const TRect& dstRect, const TRect& srcRect, const TsMaskData& md, bool useCache,
                const TCacheInfo& ci) {
  const TSliceSource src = SliceSourceOf(md, TSliceMix::Masked);
  const TRect from{srcRect.Left, srcRect.Top, srcRect.Left + dstRect.Width(), srcRect.Top + dstRect.Height()};
  SliceCopy(dst, dstRect, src, from, {&ci, useCache});
}

void StretchBltMask(TBitmap32& dst, const TRect& dstRect, const TRect& srcRect, const TsMaskData& md,
                    bool useCache, const TCacheInfo& ci) {
  const TSliceSource src = SliceSourceOf(md, TSliceMix::Masked);
  SliceCopy(dst, dstRect, src, srcRect, {&ci, useCache});
}

void CopyMasterRect(TBitmap32& dst, const TRect& dstRect, const TRect& srcRect, const TsMaskData& md) {
  SliceCopy(dst, dstRect, SliceSourceOf(md, TSliceMix::Plain), srcRect, {});
}

void TileBitmap(TBitmap32& dst, const TRect& rect, const TBitmap32& picture, const TRect& srcRect,
                TacFillMode mode, TPoint phase) {
  const TSliceSource src{&picture, TSliceMix::Plain, 0};
  const int w = srcRect.Width(), h = srcRect.Height();
  if (w <= 0 || h <= 0 || rect.IsEmpty()) return;
  // A band of the rectangle one picture high (or wide), at an edge.
  const TRect top{rect.Left, rect.Top, rect.Right, std::min(rect.Bottom, rect.Top + h)};
  const TRect bottom{rect.Left, std::max(rect.Top, rect.Bottom - h), rect.Right, rect.Bottom};
  const TRect left{rect.Left, rect.Top, std::min(rect.Right, rect.Left + w), rect.Bottom};
  const TRect right{std::max(rect.Left, rect.Right - w), rect.Top, rect.Right, rect.Bottom};
  // Tiles stretched in one direction: the picture stretched to the band, then tiled along it.
  const auto stretchedTiles = [&](bool acrossStretched) {
    if (acrossStretched) {  // each row stretched to the width, tiled downward
      for (int y = rect.Top; y < rect.Bottom; y += h)
        SliceCopy(dst, {rect.Left, y, rect.Right, std::min(y + h, rect.Bottom)}, src,
                  {srcRect.Left, srcRect.Top, srcRect.Right, srcRect.Top + std::min(h, rect.Bottom - y)}, {});
    } else {  // each column stretched to the height, tiled across
      for (int x = rect.Left; x < rect.Right; x += w)
        SliceCopy(dst, {x, rect.Top, std::min(x + w, rect.Right), rect.Bottom}, src,
                  {srcRect.Left, srcRect.Top, srcRect.Left + std::min(w, rect.Right - x), srcRect.Bottom}, {});
    }
  };
  switch (mode) {
    case fmTiled: TileRect(dst, rect, src, srcRect, {}, {}); break;
    case fmStretched: SliceCopy(dst, rect, src, srcRect, {}); break;
    case fmTiledVert: TileRect(dst, left, src, srcRect, {}, {}); break;
    case fmTiledHorz: TileRect(dst, top, src, srcRect, {}, {}); break;
    case fmStretchVert: stretchedTiles(false); break;
    case fmStretchHorz: stretchedTiles(true); break;
    case fmTileHorBtm: TileRect(dst, bottom, src, srcRect, {}, {0, bottom.Height() - h}); break;
    case fmTileVertRight: TileRect(dst, right, src, srcRect, {}, {right.Width() - w, 0}); break;
    case fmStretchHorBtm:
      SliceCopy(dst, bottom, src, {srcRect.Left, srcRect.Bottom - bottom.Height(), srcRect.Right, srcRect.Bottom}, {});
      break;
    case fmStretchVertRight:
      SliceCopy(dst, right, src, {srcRect.Right - right.Width(), srcRect.Top, srcRect.Right, srcRect.Bottom}, {});
      break;
    case fmDisTiled: TileRect(dst, rect, src, srcRect, {}, phase); break;
  }
}

void TileMasked(TBitmap32& dst, const TRect& rect, const TsMaskData& md, TPoint phase) {
  const TSliceSource src = SliceSourceOf(md, TSliceMix::Masked);
  const TRect frame{md.SourceRect.Left, md.SourceRect.Top, md.SourceRect.Left + WidthOfImage(md),
                    md.SourceRect.Top + HeightOfImage(md)};
  TileRect(dst, rect, src, frame, {}, phase);
}
