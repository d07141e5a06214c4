#pragma once
// Gradients of skin sections painted into bitmaps, alone or mixed with a texture.
#include "skin/data/skin_records.h"

// The stripes over rect: top to bottom, left to right (by columns) or, when
// the first stripe is gtAsBorder, as rings from the edges to the middle.
// The first stripe starts extra rows (or columns, or rings) in; each stripe
// covers (length + extra) * percent / 100 of them, the last one the rest;
// inside a stripe each channel advances by (end - start) / count per step,
// truncated. Alpha 255.
void PaintGrad(TBitmap32& bmp, const TRect& rect, const TsGradArray& stripes, int extra = 0);

// The gradient and frame 0 of the texture record tiled over it in one pass:
// the texture keeps weight / 256 of each channel, limited to 0..256.
void PaintGradTxt(TBitmap32& bmp, const TRect& rect, const TsGradArray& stripes, const TsMaskData& texture,
                  int weight);
