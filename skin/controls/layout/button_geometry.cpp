#include "skin/controls/layout/button_geometry.h"

#include "skin/paint/text_format.h"

namespace {

// The width the content takes: a split button leaves its menu band.
int ContentWidth(const TsButtonGeometryInput& in) {
  return in.Style == bsSplitButton ? in.Width - kSplitBandWidth : in.Width;
}

TRect Shifted(TRect r, bool shift) {
  if (!shift) return r;
  return {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
}

}  // namespace

TSize CommandLinkImageSize(const TsButtonGeometryInput& in) {
  const TSize image = in.GlyphExist ? in.ImageSize : TSize{kCommandLinkImageSize, kCommandLinkImageSize};
  const TImageMargins& im = in.ImageMargins;
  return {image.cx + im.Left + im.Right, image.cy + im.Top + im.Bottom};
}

unsigned ButtonMeasureFormat(const TsButtonGeometryInput& in) {
  return kDtCalcRect | kDtExpandTabs | kDtCenter | (in.WordWrap ? kDtWordBreak : kDtSingleLine);
}

TRect ButtonMeasureRect(const TsButtonGeometryInput& in) {
  const int cm = in.ContentMargin;
  if (in.Style == bsPushButton) return {cm, 0, in.Width - cm, 0};
  return {cm, 0, in.Width - CommandLinkImageSize(in).cx - 3 * cm - 6, 0};
}

TSize ButtonCaptionSize(const TsButtonGeometryInput& in, std::string_view caption, TsTextMeasurer& measurer) {
  if (caption.empty()) return {};
  return measurer.MeasureText(caption, ButtonMeasureRect(in), ButtonMeasureFormat(in));
}

TRect ButtonCaptionRect(const TsButtonGeometryInput& in, TSize textSize) {
  const int w = ContentWidth(in);
  const int h = in.Height;
  const int cm = in.ContentMargin;
  const TImageMargins& im = in.ImageMargins;
  const TSize image = in.ImageSize;
  const int tw = textSize.cx;
  const int th = textSize.cy;
  TRect r;
  if (in.Style == bsCommandLink) {
    r.Left = CommandLinkImageSize(in).cx + cm + 6;
    r.Right = w - cm;
    r.Top = cm;
    r.Bottom = r.Top + th;
    return Shifted(r, in.ShiftContent);
  }
  const TImageAlignment align = in.GlyphExist ? in.ImageAlignment : iaCenter;
  switch (align) {
    case iaLeft:
    case iaRight:
      r.Left = align == iaLeft ? im.Left + cm + image.cx + im.Right : cm;
      r.Right = align == iaLeft ? w - cm : w - (im.Right + cm + image.cx + im.Left);
      r.Top = (h - th) / 2;
      r.Bottom = h - r.Top;
      break;
    case iaTop: {
      const int t0 = im.Top + 2 * cm + image.cy;
      r = {cm, t0 + (h - cm - t0 - th) / 2, w - cm, 0};
      r.Bottom = r.Top + th;
      break;
    }
    case iaBottom: {
      const int b0 = h - (im.Bottom + cm + image.cy + im.Top);
      r = {cm, im.Top + (b0 - im.Top - th) / 2, w - cm, 0};
      r.Bottom = r.Top + th;
      break;
    }
    case iaCenter:
      r.Left = (w - tw) / 2 - 1;
      r.Right = r.Left + tw + 2;
      r.Top = (h - th) / 2;
      r.Bottom = h - r.Top;
      break;
  }
  return Shifted(r, in.ShiftContent);
}

TRect ButtonGlyphRect(const TsButtonGeometryInput& in) {
  if (!in.GlyphExist) return {};
  const int w = ContentWidth(in);
  const int h = in.Height;
  const int cm = in.ContentMargin;
  const TImageMargins& im = in.ImageMargins;
  const int iw = in.ImageSize.cx;
  const int ih = in.ImageSize.cy;
  int left = (w - iw) / 2;
  int top = (h - ih) / 2;
  if (in.Style == bsCommandLink) {
    left = im.Left + cm;
    top = cm;
  } else {
    switch (in.ImageAlignment) {
      case iaLeft: left = im.Left + cm; break;
      case iaRight: left = w - im.Right - cm - iw; break;
      case iaTop: top = im.Top + cm; break;
      case iaBottom: top = h - im.Bottom - cm - ih; break;
      case iaCenter: break;
    }
  }
  return Shifted(TRect{left, top, left + iw, top + ih}, in.ShiftContent);
}

int ButtonGlyphIndex(const TsButtonImageIndexes& indexes, const TsButtonImageState& state, int count) {
  int chosen = indexes.ImageIndex;
  if (!state.Enabled) {
    chosen = indexes.DisabledImageIndex;
  } else if (state.Pressed) {
    chosen = indexes.PressedImageIndex;
  } else if (state.Focused) {
    chosen = indexes.SelectedImageIndex;
  } else if (state.State == 1) {
    chosen = indexes.HotImageIndex;
  } else if (state.State == 3) {
    chosen = indexes.SelectedImageIndex;
  }
  return chosen >= 0 && chosen < count ? chosen : indexes.ImageIndex;
}
