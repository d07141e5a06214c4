#pragma once
// The pictures of scroll bars from the skin's scroll elements (arrow buttons,
// the two halves of the track, the thumb, the size grip), without a window:
// both the bars of scrolling windows and the scroll-bar control paint with
// these.
#include "skin/controls/scroll/scroll_math.h"
#include "skin/data/skin_model.h"
#include "skin/paint/cache_info.h"

enum TacSide { asLeft = 0, asTop = 1, asRight = 2, asBottom = 3 };

// The rectangle an arrow button is drawn into: the button's own, reaching
// into the track when the side's section asks for it (its reserved flag)
// and its border image is larger than the 17-pixel reference button.
TRect BtnDrawRect(const TsSkinModel& Skin, const TRect& Rect, TacSide Side);

// One arrow button over Target at Rect; what Target holds there shows
// through the element's transparent parts.
void PaintScrollBtn(const TsSkinModel& Skin, TBitmap32& Target, const TRect& Rect, int State, TacSide Side);
// The thumb over Target at Rect.
void PaintScrollSlider(const TsSkinModel& Skin, TBitmap32& Target, const TRect& Rect, int State, bool Vertical);

// How one bar looks, in the coordinates of its own bitmap.
struct TacBarLook {
  bool Vertical = false;
  int Button = 0;     // arrow length asked for (halved by a short bar)
  TacThumb Thumb;     // along the bar, from the bitmap's start
  bool ShowThumb = false;
  int Btn1State = 0, Btn2State = 0;
  int Track1State = 0, Track2State = 0;  // before and after the thumb's centre
  int ThumbState = 0;
  bool Enabled = true;
};

// The whole bar into Bmp (the bar's size). Background: the parent's
// picture described by CI (X, Y: the bar's place in it). A disabled bar
// is faded toward that background.
void PaintScrollBar(const TsSkinModel& Skin, TBitmap32& Bmp, const TCacheInfo& CI,
                    const TacBarLook& Look);

// The look of a bar that is not being dragged: thumb and arrows in their
// hover and press states (Hot, Pressed: portions, spNone for none).
TacBarLook BarLookFor(const TacScrollRange& Range, const TacBarAxis& Axis, bool Vertical, bool Enabled, int Hot,
                      int Pressed);

// The box between the two bars: over the background already in Bmp, the
// skin's size grip aligned to the bottom-right corner when Grip is set.
void PaintCornerGrip(const TsSkinModel& Skin, TBitmap32& Bmp);
