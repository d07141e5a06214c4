#pragma once
// A button's glyph drawn into its picture: one frame of a glyph bitmap (a
// 32-bit one with alpha, or a 24-bit one keyed by its bottom-left pixel) or
// an image of an image list (keyed by its top-left pixel), greyed, blended
// or faded for its state.
#include "skin/data/skin_model.h"
#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

enum TsDisabledGlyphKind : unsigned { dgBlended = 1, dgGrayed = 2 };

struct TacDrawGlyphData {
  TBitmap32* Dest = nullptr;
  // A glyph bitmap holding FrameCount frames side by side, or none.
  const TBitmap32* Glyph = nullptr;
  bool GlyphHasAlpha = false;  // 32-bit: its alpha is used; else keyed
  int FrameCount = 1;
  // An image-list image, rendered; used instead of the glyph when set.
  const TBitmap32* Image = nullptr;
  const TsSkinModel* Skin = nullptr;
  int SkinIndex = -1;
  TRect Rect;  // where the glyph goes
  bool Enabled = true;
  int Blend = 0;  // percent of transparency in the normal state
  bool Down = false;
  bool Grayed = false;
  int State = 0;
  unsigned DisabledGlyphKind = dgBlended;
};

// The colour a greyed glyph is keyed to: the section's normal colour (white
// without a section) when (state 0 and grayed) or (disabled and dgGrayed);
// clNone when the glyph is not greyed.
TColor GlyphGrayKey(const TacDrawGlyphData& data);

void acDrawGlyphEx(const TacDrawGlyphData& data);
