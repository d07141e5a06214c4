#include "skin/paint/items/skin_rect.h"

#include <algorithm>

#include "skin/paint/items/slice_copy.h"

namespace {

// Margin of one side: its own, else the uniform one, else the whole frame.
int SideMargin(int own, int uniform, int whole) { return own >= 1 ? own : uniform >= 1 ? uniform : whole; }

// Shrinks a pair of margins that does not fit into size: the first loses
// half the excess, the second the rest.
void Shrink(int& first, int& second, int size) {
  const int excess = first + second - size;
  if (excess <= 0) return;
  first = std::max(first - excess / 2, 0);
  second = std::max(second - (excess - excess / 2), 0);
}

int FrameOf(int state, const TsMaskData& md) { return std::max(0, std::min<int>(state, md.FrameCount - 1)); }

}  // namespace

TSliceMargins ImageMargins(const TsMaskData& md) {
  const int w = WidthOfImage(md), h = HeightOfImage(md);
  return {SideMargin(md.MarginLeft, md.UniformMargin, w), SideMargin(md.MarginTop, md.UniformMargin, h),
          SideMargin(md.MarginRight, md.UniformMargin, w), SideMargin(md.MarginBottom, md.UniformMargin, h)};
}

TSliceMargins FitMargins(const TsMaskData& md, int width, int height) {
  TSliceMargins m = ImageMargins(md);
  Shrink(m.Left, m.Right, width);
  Shrink(m.Top, m.Bottom, height);
  return m;
}

void DrawSkinRect(TBitmap32& bmp, const TRect& rect, const TCacheInfo& ci, bool useCache, int state,
                  const TsMaskData& md) {
  if ((state == 0 && (md.PaintMode & pmHotOnly)) || rect.Width() < 2 || rect.Height() < 2 || md.Owner == nullptr)
    return;
  const int w = WidthOfImage(md), h = HeightOfImage(md);
  const TSliceMargins full = ImageMargins(md);
  const TSliceMargins m = FitMargins(md, rect.Width(), rect.Height());
  if (w - full.Left - full.Right < 0 || h - full.Top - full.Bottom < 0) return;
  const bool masked = md.MaskKind != 0;
  const TSliceSource edges = SliceSourceOf(md, masked ? TSliceMix::Masked : TSliceMix::Plain);
  const TSliceSource corners = SliceSourceOf(md, masked ? TSliceMix::Masked : TSliceMix::Keyed);
  const TSliceHoles cornerHoles{&ci, useCache && md.CornerKind > 0};
  const TSliceHoles edgeHoles{&ci, false};

  // Source frame and destination, each cut into three columns and three rows.
  // A shrunk margin takes the outermost pixels of its slice, so the border keeps its outer edge.
  const int sx = md.SourceRect.Left + FrameOf(state, md) * w, sy = md.SourceRect.Top;
  const int srcX[3][2] = {{sx, sx + m.Left}, {sx + full.Left, sx + w - full.Right}, {sx + w - m.Right, sx + w}};
  const int srcY[3][2] = {{sy, sy + m.Top}, {sy + full.Top, sy + h - full.Bottom}, {sy + h - m.Bottom, sy + h}};
  const int dstX[4] = {rect.Left, rect.Left + m.Left, rect.Right - m.Right, rect.Right};
  const int dstY[4] = {rect.Top, rect.Top + m.Top, rect.Bottom - m.Bottom, rect.Bottom};

  const auto part = [&](int col, int row, const TSliceSource& src, const TSliceHoles& holes, bool tile) {
    const TRect to{dstX[col], dstY[row], dstX[col + 1], dstY[row + 1]};
    const TRect from{srcX[col][0], srcY[row][0], srcX[col][1], srcY[row][1]};
    if (tile) SliceTile(bmp, to, src, from, holes);
    else SliceCopy(bmp, to, src, from, holes);
  };
  for (int row : {0, 2})
    for (int col : {0, 2}) part(col, row, corners, cornerHoles, false);
  const bool tile = (md.PaintMode & pmStretch) == 0;
  part(1, 0, edges, edgeHoles, tile);  // top
  part(0, 1, edges, edgeHoles, tile);  // left
  part(2, 1, edges, edgeHoles, tile);  // right
  part(1, 2, edges, edgeHoles, tile);  // bottom
  if (md.PaintMode & pmFillCentre) part(1, 1, edges, edgeHoles, tile);
}

void DrawSkinGlyph(TBitmap32& bmp, TPoint at, int state, const TCacheInfo& ci, const TsMaskData& md) {
  const int w = WidthOfImage(md), h = HeightOfImage(md);
  if (w <= 0 || h <= 0) return;
  const int sx = md.SourceRect.Left + FrameOf(state, md) * w;
  SliceCopy(bmp, {at.X, at.Y, at.X + w, at.Y + h},
            SliceSourceOf(md, md.MaskKind != 0 ? TSliceMix::Masked : TSliceMix::Keyed),
            {sx, md.SourceRect.Top, sx + w, md.SourceRect.Top + h}, {&ci, true});
}
