#pragma once
// The picture of a glow shown around a hot control, and where its window
// goes: the section's glow image drawn as a 9-slice around the control's
// rectangle, coloured like the control, cut to the part around what is
// visible of the control, premultiplied for a per-pixel-alpha window.
#include "skin/data/skin_records.h"
#include "skin/paint/geometry.h"
#include "skin/paint/items/skin_rect.h"

struct TacGlowPlacement {
  int Width = 0, Height = 0;  // the whole glow picture
  TRect Window;               // on screen; empty when there is nothing to show
  TRect Cut;                  // the part of the whole picture the window shows
};

// control: the control's rectangle on screen; visible: the part of it that
// can be seen, relative to the control; slices: the glow image's slice
// widths; glowMargin: how far the glow image reaches into the control.
// The whole picture is the control's size plus the slices less two margins.
TacGlowPlacement GlowPlacement(const TRect& control, const TRect& visible, const TSliceMargins& slices,
                               int glowMargin);

// A control's stored saturation as the glow applies it: scaled by 2.55,
// truncated, limited to -255..255.
int GlowSaturation(int stored);

// The colour changes of the control the glow belongs to.
struct TacGlowColours {
  TColor Tone = clNone;
  int Hue = 0;
  int Saturation = 0;  // as stored with the control
};

// The glow picture for a placement: the whole picture of the image's first
// frame, coloured, cut; premultiplied by alpha. Empty for an empty placement.
TBitmap32 MakeGlowPicture(const TsMaskData& image, const TacGlowPlacement& placement, const TacGlowColours& colours);
