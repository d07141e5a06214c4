#include "skin/paint/copies.h"

#include <algorithm>

namespace {

template <typename PixelCopy>
void CopyRows(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& srcRect, PixelCopy copy) {
  if (dst.Empty() || src.Empty()) return;
  const TTransfer t = ClipTransfer(srcRect, at, src.Width(), src.Height(), dst.Width(), dst.Height());
  for (int y = t.Source.Top; y < t.Source.Bottom; ++y) {
    const TsColor* s = src.Row(y) + t.Source.Left;
    TsColor* d = dst.Row(t.Target.Y + y - t.Source.Top) + t.Target.X;
    for (int i = 0; i < t.Source.Width(); ++i) d[i] = copy(d[i], s[i]);
  }
}

TsColor ChannelMask(int channel) { return 0xFFu << (8 * (channel & 3)); }

}  // namespace

void CopyBmp(TBitmap32& dst, const TBitmap32& src) {
  dst = TBitmap32(src.Width(), src.Height(), src.Order());
  CopyImage(dst, {0, 0}, src, {0, 0, src.Width(), src.Height()});
}

void CopyImage(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& srcRect) {
  CopyRows(dst, at, src, srcRect, [](TsColor, TsColor s) { return s; });
}

void CopyChannel(TBitmap32& dst, const TBitmap32& src, int channel) {
  CopyChannel32(dst, channel, src, channel);
}

void CopyChannel32(TBitmap32& dst, int dstChannel, const TBitmap32& src, int srcChannel) {
  if (dst.Width() != src.Width() || dst.Height() != src.Height()) return;
  const int from = 8 * (srcChannel & 3), to = 8 * (dstChannel & 3);
  const TsColor keep = ~ChannelMask(dstChannel);
  CopyRows(dst, {0, 0}, src, {0, 0, src.Width(), src.Height()},
           [=](TsColor d, TsColor s) { return (d & keep) | (((s >> from) & 0xFFu) << to); });
}

void CopyTransRect(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& srcRect, TColor key) {
  const bool keyed = key != clNone;
  CopyRows(dst, at, src, srcRect, [=](TsColor d, TsColor s) {
    return keyed && s == key ? d : (d & 0xFF000000u) | (s & 0x00FFFFFFu);
  });
}

void CopyTransRectA(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& srcRect, TColor key) {
  const bool keyed = key != clNone;
  CopyRows(dst, at, src, srcRect, [=](TsColor d, TsColor s) { return keyed && s == key ? d : s; });
}

void CopyTransBitmaps(TBitmap32& dst, const TBitmap32& src, TColor key) {
  CopyTransRect(dst, {0, 0}, src, {0, 0, src.Width(), src.Height()}, key);
}

std::vector<TRect> AddRgnBmp(const TBitmap32& bmp, TColor key) {
  std::vector<TRect> runs;
  if (bmp.Empty() || key == clNone) return runs;
  for (int y = 0; y < bmp.Height(); ++y) {
    const TsColor* row = bmp.Row(y);
    for (int x = 0; x < bmp.Width();) {
      if (row[x] != key) { ++x; continue; }
      const int start = x;
      while (x < bmp.Width() && row[x] == key) ++x;
      runs.push_back({start, y, x, y + 1});
    }
  }
  return runs;
}

std::vector<TRect> RunsComplement(const std::vector<TRect>& runs, int width, int height) {
  std::vector<TRect> pieces;
  auto run = runs.begin();
  for (int y = 0; y < height; ++y) {
    int x = 0;
    for (; run != runs.end() && run->Top == y; ++run) {
      if (run->Left > x) pieces.push_back({x, y, run->Left, y + 1});
      x = std::max(x, run->Right);
    }
    if (x < width) pieces.push_back({x, y, width, y + 1});
  }
  return pieces;
}
