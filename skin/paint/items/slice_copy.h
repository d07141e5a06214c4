#pragma once
// Copies of slices of skin images into bitmaps: plain, keyed (holes of the
// key colour show the parent) and mixed with a mask band, copied as they are,
// stretched (nearest neighbour) or tiled.
#include "skin/data/skin_records.h"
#include "skin/paint/cache_info.h"
#include "skin/paint/items/fill_modes.h"

// How the pixels of a slice reach the destination.
enum class TSliceMix {
  Plain,   // every pixel copied
  Keyed,   // key pixels are holes, the others copied
  Masked,  // the mask band MaskOffset rows below mixes the picture in
};

struct TSliceSource {
  const TBitmap32* Picture = nullptr;
  TSliceMix Mix = TSliceMix::Plain;
  int MaskOffset = 0;  // rows from a picture pixel down to its mask pixel
};

// Holes (and, with a ready cache, every masked pixel) follow the cache info:
// with use-cache a hole takes the parent cache pixel at (X + x, Y + y), or
// the fill colour when the cache is not ready; without it a hole stays as it
// was. Mixed pixels become ((d - s) * m + s * 256) >> 8 per channel.
struct TSliceHoles {
  const TCacheInfo* Cache = &EmptyCI;
  bool UseCache = false;
};

// srcRect of the source to dstRect of the destination, stretched when the
// sizes differ. Pixels whose source (or mask) lies outside the picture and
// pixels outside the destination are left alone.
void SliceCopy(TBitmap32& dst, const TRect& dstRect, const TSliceSource& src, const TRect& srcRect,
               const TSliceHoles& holes);
// srcRect repeated over dstRect from its top-left corner shifted back by the
// phase, the copies at the far edges clipped.
void SliceTile(TBitmap32& dst, const TRect& dstRect, const TSliceSource& src, const TRect& srcRect,
               const TSliceHoles& holes, TPoint phase = {});

// The picture source of an image record (its own image or the master bitmap).
TSliceSource SliceSourceOf(const TsMaskData& md, TSliceMix mix);

// One slice of an image record mixed by its mask band (one band height lower).
void CopyByMask(TBitmap32& dst, const TRect& dstRect, const TRect& srcRect, const TsMaskData& md, bool useCache,
                const TCacheInfo& ci);
// The same stretched to dstRect.
void StretchBltMask(TBitmap32& dst, const TRect& dstRect, const TRect& srcRect, const TsMaskData& md,
                    bool useCache, const TCacheInfo& ci);
// A plain copy of srcRect of the record's picture to dstRect, stretched when the sizes differ.
void CopyMasterRect(TBitmap32& dst, const TRect& dstRect, const TRect& srcRect, const TsMaskData& md);

// A picture's rectangle laid over rect by the fill mode; fmDisTiled tiles
// from the phase (the parent cache position of rect's corner).
void TileBitmap(TBitmap32& dst, const TRect& rect, const TBitmap32& picture, const TRect& srcRect,
                TacFillMode mode, TPoint phase = {});
// Frame 0 of a texture record with a mask band tiled over rect with its mask.
void TileMasked(TBitmap32& dst, const TRect& rect, const TsMaskData& md, TPoint phase = {});
