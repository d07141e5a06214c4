#pragma once
// Border images drawn as a 9-slice, and single frames of glyph and corner images.
#include "skin/data/skin_records.h"
#include "skin/paint/cache_info.h"

// Paint-mode bits of a border image.
inline constexpr int pmStretch = 1;     // stretch edges and centre instead of tiling them
inline constexpr int pmHotOnly = 2;     // nothing in state 0
inline constexpr int pmFillCentre = 4;  // the centre comes from the image too

// The slice widths of a border image as it holds them: its own margins, else
// the uniform margin, else the whole frame.
struct TSliceMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
TSliceMargins ImageMargins(const TsMaskData& md);
// The same for rect, shrunk when rect is too small:
// the excess comes off both sides, the odd pixel off the right (bottom).
TSliceMargins FitMargins(const TsMaskData& md, int width, int height);

// Frame min(state, FrameCount - 1) of the border image as a 9-slice over rect.
// Holes in the corners show the parent cache when useCache is set and the
// image's CornerKind is above 0.
void DrawSkinRect(TBitmap32& bmp, const TRect& rect, const TCacheInfo& ci, bool useCache, int state,
                  const TsMaskData& md);

// Frame min(state, FrameCount - 1) of a glyph image at a position; holes show
// the cache info.
void DrawSkinGlyph(TBitmap32& bmp, TPoint at, int state, const TCacheInfo& ci, const TsMaskData& md);
