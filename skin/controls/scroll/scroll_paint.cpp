#include "skin/controls/scroll/scroll_paint.h"

#include <algorithm>

#include "skin/paint/blends.h"
#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/items/paint_item.h"
#include "skin/paint/items/skin_rect.h"
#include "skin/paint/pixel_changes.h"

namespace {

constexpr int kReferenceButton = 17;  // the button size skin images are drawn for

TCacheInfo PixelsOf(const TBitmap32& bmp, TPoint at = {}) {
  TCacheInfo ci;
  ci.Bitmap = &bmp;
  ci.X = at.X;
  ci.Y = at.Y;
  ci.Ready = true;
  return ci;
}

const TsMaskData* ImageOf(const TsSkinModel& Skin, int Index) {
  return Skin.IsValidImgIndex(Index) ? &Skin.ma[static_cast<std::size_t>(Index)] : nullptr;
}

// A frame of a glyph image centred in a rectangle of bmp; holes show bmp.
void CentreGlyph(TBitmap32& bmp, const TRect& rect, int state, const TsMaskData& md) {
  const TPoint at{rect.Left + (rect.Width() - WidthOfImage(md)) / 2, rect.Top + (rect.Height() - HeightOfImage(md)) / 2};
  DrawSkinGlyph(bmp, at, state, PixelsOf(bmp), md);
}

// A filled triangle pointing to the side, in the middle of rect.
void DrawColorArrow(TBitmap32& bmp, const TRect& rect, TColor color, TacSide side) {
  const int size = std::max(2, std::min(rect.Width(), rect.Height()) / 4);
  const int cx = rect.Left + rect.Width() / 2, cy = rect.Top + rect.Height() / 2;
  for (int i = 0; i < size; ++i) {
    const int half = i;  // the row i steps from the tip
    switch (side) {
      case asLeft: FillRect32(bmp, {cx - size / 2 + i, cy - half, cx - size / 2 + i + 1, cy + half + 1}, color, 255); break;
      case asRight: FillRect32(bmp, {cx + size / 2 - i, cy - half, cx + size / 2 - i + 1, cy + half + 1}, color, 255); break;
      case asTop: FillRect32(bmp, {cx - half, cy - size / 2 + i, cx + half + 1, cy - size / 2 + i + 1}, color, 255); break;
      case asBottom: FillRect32(bmp, {cx - half, cy + size / 2 - i, cx + half + 1, cy + size / 2 - i + 1}, color, 255); break;
    }
  }
}

}  // namespace

TRect BtnDrawRect(const TsSkinModel& Skin, const TRect& Rect, TacSide Side) {
  const TacConstElementData& element = Skin.SkinConstants.ScrollBtns[static_cast<std::size_t>(Side)];
  if (!Skin.IsValidSkinIndex(element.SkinIndex)) return Rect;
  const TsMaskData* border = ImageOf(Skin, Skin.gd[static_cast<std::size_t>(element.SkinIndex)].BorderMaskIndex);
  if (!Skin.gd[static_cast<std::size_t>(element.SkinIndex)].ReservedBoolean || !border) return Rect;
  TRect r = Rect;
  switch (Side) {
    case asLeft: r.Right += WidthOfImage(*border) - kReferenceButton; break;
    case asTop: r.Bottom += HeightOfImage(*border) - kReferenceButton; break;
    case asRight: r.Left -= WidthOfImage(*border) - kReferenceButton; break;
    case asBottom: r.Top -= HeightOfImage(*border) - kReferenceButton; break;
  }
  return r;
}

void PaintScrollBtn(const TsSkinModel& Skin, TBitmap32& Target, const TRect& Rect, int State, TacSide Side) {
  if (Rect.IsEmpty()) return;
  const TRect draw = CutToPicture(BtnDrawRect(Skin, Rect, Side), Target);
  if (draw.IsEmpty()) return;
  TBitmap32 button(draw.Width(), draw.Height());
  if (button.Empty()) return;
  CopyImage(button, {0, 0}, Target, draw);
  const TacConstElementData& element = Skin.SkinConstants.ScrollBtns[static_cast<std::size_t>(Side)];
  const TRect all{0, 0, draw.Width(), draw.Height()};
  PaintItem(&Skin, element.SkinIndex, PixelsOf(Target), State, all, {draw.Left, draw.Top}, button);
  const TRect glyph{Rect.Left - draw.Left, Rect.Top - draw.Top, Rect.Right - draw.Left, Rect.Bottom - draw.Top};
  if (const TsMaskData* md = ImageOf(Skin, element.GlyphMaskIndex)) {
    CentreGlyph(button, glyph, State, *md);
  } else if (Skin.IsValidSkinIndex(element.SkinIndex)) {
    const TsGeneralData& section = Skin.gd[static_cast<std::size_t>(element.SkinIndex)];
    const int state = std::clamp(State, 0, std::max(section.States - 1, 0));
    DrawColorArrow(button, glyph, section.Props[state > 0 ? 1 : 0].FontColor[0], Side);
  }
  CopyImage(Target, {draw.Left, draw.Top}, button, all);
}

void PaintScrollSlider(const TsSkinModel& Skin, TBitmap32& Target, const TRect& Rect, int State, bool Vertical) {
  const TRect r = CutToPicture(Rect, Target);
  if (r.IsEmpty()) return;
  TBitmap32 slider(r.Width(), r.Height());
  if (slider.Empty()) return;
  CopyImage(slider, {0, 0}, Target, r);
  const TacConstElementData& element = Skin.SkinConstants.ScrollSliders[Vertical ? 1 : 0];
  const TRect all{0, 0, r.Width(), r.Height()};
  PaintItem(&Skin, element.SkinIndex, PixelsOf(Target), State, all, {r.Left, r.Top}, slider);
  if (const TsMaskData* md = ImageOf(Skin, element.GlyphMaskIndex)) CentreGlyph(slider, all, State, *md);
  CopyImage(Target, {r.Left, r.Top}, slider, all);
}

TacBarLook BarLookFor(const TacScrollRange& Range, const TacBarAxis& Axis, bool Vertical, bool Enabled, int Hot,
                      int Pressed) {
  TacBarLook look;
  look.Vertical = Vertical;
  look.Button = Axis.Button;
  look.Enabled = Enabled;
  look.Thumb = CalcThumb(Range, Axis);
  look.ShowThumb = Enabled && 2 * Axis.Button < Axis.Length && look.Thumb.Length < Axis.TrackLength();
  if (!Enabled) return look;
  const auto state = [&](int portion) { return Pressed == portion ? 2 : Hot == portion ? 1 : 0; };
  look.Btn1State = state(spLineUp);
  look.Btn2State = state(spLineDown);
  look.Track1State = Pressed == spPageUp ? 2 : 0;
  look.Track2State = Pressed == spPageDown ? 2 : 0;
  look.ThumbState = state(spThumb);
  return look;
}

void PaintScrollBar(const TsSkinModel& Skin, TBitmap32& Bmp, const TCacheInfo& CI, const TacBarLook& Look) {
  const int length = Look.Vertical ? Bmp.Height() : Bmp.Width();
  const int thickness = Look.Vertical ? Bmp.Width() : Bmp.Height();
  if (Bmp.Empty() || length <= 1) return;
  const bool halves = 2 * Look.Button >= length;
  const int arrow = halves ? length / 2 : Look.Button;
  const int split = halves ? length / 2 : std::clamp(Look.Thumb.Start + Look.Thumb.Length / 2, 0, length);
  // A rectangle along the bar from a to b.
  const auto along = [&](int a, int b) {
    return Look.Vertical ? TRect{0, a, thickness, b} : TRect{a, 0, b, thickness};
  };
  const auto& bars = Skin.SkinConstants.ScrollBars;  // 1H, 1V, 2H, 2V
  const TRect track1 = along(0, split), track2 = along(split, length);
  const int state1 = halves ? 0 : Look.Track1State, state2 = halves ? 0 : Look.Track2State;
  FillRect32(Bmp, {0, 0, Bmp.Width(), Bmp.Height()}, CI.FillColor == sFuchsia ? Skin.GetGlobalColor() : CI.FillColor, 255);
  PaintItem(&Skin, bars[Look.Vertical ? 1 : 0].SkinIndex, CI, state1, track1, {track1.Left, track1.Top}, Bmp);
  PaintItem(&Skin, bars[Look.Vertical ? 3 : 2].SkinIndex, CI, state2, track2, {track2.Left, track2.Top}, Bmp);
  if (arrow > 0) {
    PaintScrollBtn(Skin, Bmp, along(0, arrow), Look.Btn1State, Look.Vertical ? asTop : asLeft);
    PaintScrollBtn(Skin, Bmp, along(length - arrow, length), Look.Btn2State, Look.Vertical ? asBottom : asRight);
  }
  if (Look.ShowThumb && !halves)
    PaintScrollSlider(Skin, Bmp, along(Look.Thumb.Start, Look.Thumb.End()), Look.ThumbState, Look.Vertical);
  if (Look.Enabled) return;
  const TRect inCache{CI.X, CI.Y, CI.X + Bmp.Width(), CI.Y + Bmp.Height()};
  if (CI.Ready && CI.Bitmap && CutToPicture(inCache, *CI.Bitmap) == inCache)
    BlendTransRectangle(Bmp, 0, 0, sFuchsia, 1.0 - DefDisabledBlend,
                        {inCache.Left, inCache.Top, inCache.Right - 1, inCache.Bottom - 1}, *CI.Bitmap);
  else
    FadeBmp(Bmp, {0, 0, Bmp.Width(), Bmp.Height()}, 60,
            CI.FillColor == sFuchsia ? Skin.GetGlobalColor() : CI.FillColor);
}

void PaintCornerGrip(const TsSkinModel& Skin, TBitmap32& Bmp) {
  const TsMaskData* md = ImageOf(Skin, Skin.SkinConstants.Grips[0]);
  if (!md || Bmp.Empty()) return;
  DrawSkinGlyph(Bmp, {Bmp.Width() - WidthOfImage(*md), Bmp.Height() - HeightOfImage(*md)}, 0, PixelsOf(Bmp), *md);
}
