#include "skin/forms/frame/frame_region.h"

#include <algorithm>
#include <map>
#include <utility>

#include "skin/paint/items/skin_rect.h"

namespace {

using TSpan = std::pair<int, int>;  // [first, second) of a row

// The key-colour runs of one slice of an image frame placed at a point.
void AddKeyRuns(const TBitmap32& picture, const TRect& slice, TPoint at, std::vector<TRect>& cuts) {
  const TRect s = ClipToSize(slice, picture.Width(), picture.Height());
  for (int y = s.Top; y < s.Bottom; ++y) {
    const TsColor* row = picture.Row(y);
    for (int x = s.Left; x < s.Right;) {
      if (row[x] != sFuchsia) { ++x; continue; }
      const int start = x;
      while (x < s.Right && row[x] == sFuchsia) ++x;
      const int dx = at.X - slice.Left, dy = at.Y - slice.Top;
      cuts.push_back({start + dx, y + dy, x + dx, y + dy + 1});
    }
  }
}

// The corners of an image record's frame for the state, fitted to a width x height area at (0, top).
void AddCorners(const TsSkinModel& skin, int image, int state, int width, int height, int top, bool bottomToo,
                std::vector<TRect>& cuts) {
  if (!skin.IsValidImgIndex(image)) return;
  const TsMaskData& md = skin.ma[static_cast<std::size_t>(image)];
  const TSliceMargins m = FitMargins(md, width, height);
  const int w = WidthOfImage(md), h = HeightOfImage(md);
  const int frame = std::clamp(state, 0, std::max(md.FrameCount - 1, 0));
  const int fx = md.SourceRect.Left + frame * w, fy = md.SourceRect.Top;
  const TBitmap32& picture = skin.SourceOf(md);
  AddKeyRuns(picture, {fx, fy, fx + m.Left, fy + m.Top}, {0, top}, cuts);
  AddKeyRuns(picture, {fx + w - m.Right, fy, fx + w, fy + m.Top}, {width - m.Right, top}, cuts);
  if (!bottomToo) return;
  const int bottom = top + height - m.Bottom;
  AddKeyRuns(picture, {fx, fy + h - m.Bottom, fx + m.Left, fy + h}, {0, bottom}, cuts);
  AddKeyRuns(picture, {fx + w - m.Right, fy + h - m.Bottom, fx + w, fy + h}, {width - m.Right, bottom}, cuts);
}

std::vector<TSpan> RowPieces(const std::map<int, std::vector<TSpan>>& cutRows, int y, int width) {
  const auto found = cutRows.find(y);
  if (found == cutRows.end()) return {{0, width}};
  std::vector<TSpan> cuts = found->second;
  std::sort(cuts.begin(), cuts.end());
  std::vector<TSpan> pieces;
  int x = 0;
  for (const TSpan& c : cuts) {
    if (c.first > x) pieces.push_back({x, c.first});
    x = std::max(x, c.second);
  }
  if (x < width) pieces.push_back({x, width});
  return pieces;
}

}  // namespace

std::vector<TRect> FillArOR(const TsSkinModel& skin, const TacFrameSections& sections, const TacFrameForm& form,
                            const TacCaptionLayout& layout) {
  std::vector<TRect> cuts;
  const TacFrameGeometry& g = layout.Geometry;
  AddCorners(skin, sections.FormBorder, FrameState(skin, sections.Form, form.Active), g.CaptionWidth, g.CacheHeight,
             0, true, cuts);
  if (g.CaptionHeight > 0)
    AddCorners(skin, sections.TitleBorder, FrameState(skin, sections.Title, form.Active), g.CaptionWidth,
               layout.TitleBottom, 0, false, cuts);
  return cuts;
}

std::vector<TRect> GetRgnFromArOR(const std::vector<TRect>& cuts, int width, int height) {
  std::map<int, std::vector<TSpan>> cutRows;
  for (const TRect& c : cuts) {
    const int left = std::max(c.Left, 0), right = std::min(c.Right, width);
    if (left >= right) continue;
    for (int y = std::max(c.Top, 0); y < std::min(c.Bottom, height); ++y) cutRows[y].push_back({left, right});
  }
  std::vector<TRect> bands;
  for (int y = 0; y < height;) {
    const std::vector<TSpan> pieces = RowPieces(cutRows, y, width);
    int end = y + 1;
    while (end < height && RowPieces(cutRows, end, width) == pieces) ++end;
    for (const TSpan& p : pieces) bands.push_back({p.first, y, p.second, end});
    y = end;
  }
  return bands;
}

TacWindowRegion FrameRegion(const TsSkinModel& skin, const TacFrameSections& sections, const TacFrameForm& form,
                            const TacCaptionLayout& layout) {
  const bool sizeable = (form.Style & kWsThickFrame) != 0;
  if (form.BorderStyle == bsNone && !form.Minimized() && !sizeable) return {true, {}};
  const TacFrameGeometry& g = layout.Geometry;
  if (form.Maximized() && !form.SizeConstraints) {
    const TRect inner{g.SysBorderWidth, g.SysBorderHeight, form.Width - g.SysBorderWidth,
                      form.Height - g.SysBorderHeight};
    return {false, inner.IsEmpty() ? std::vector<TRect>{} : std::vector<TRect>{inner}};
  }
  return {false, GetRgnFromArOR(FillArOR(skin, sections, form, layout), g.CaptionWidth, form.Height)};
}
