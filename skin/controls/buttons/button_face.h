#pragma once
// The picture of a skinned push button in one state, built without a window:
// the section's background over the parent's, the border (with the window
// region cut from key-colour corners where the border asks for it), the
// control's colour changes, caption, glyph, focus rectangle and disabled look.
#include <string>
#include <vector>

#include "skin/controls/buttons/button_glyph.h"
#include "skin/paint/items/text_paint.h"

// Button states.
inline constexpr int kBtnNormal = 0;
inline constexpr int kBtnHot = 1;
inline constexpr int kBtnPressed = 2;
inline constexpr int kBtnDefault = 3;

// The section frame a state shows: the default state shows the hot frame on
// a section of fewer than four states; otherwise min(state, states - 1).
int ButtonFrameIndex(int state, int sectionStates);

struct TsButtonFace {
  const TsSkinModel* Skin = nullptr;
  int SkinIndex = -1;
  int BorderMaskIndex = -1;
  TCacheInfo Parent;  // the parent's background, X and Y at the button's place
  int Width = 0;
  int Height = 0;
  int State = kBtnNormal;
  bool OffsetPressed = false;  // the pressed frame's background moves by (1, 1)
  bool DrawOverBorder = true;  // border before (true) or after caption and glyph
  // The border's key-colour corners are cut out of the window's region.
  bool CornerRegion = false;
  TsItemColors Colors;
  bool Enabled = true;
  unsigned DisabledKind = 1;  // TsDisabledKind bits
  TColor ControlColor = 0;
};

struct TsButtonCaption {
  std::string Text;  // in the system code page; empty: none
  TRect Rect;
  unsigned Format = 0;
  TsCaptionSkin Skin;
  TColor FontColor = 0;
};

struct TsButtonFocus {
  bool Show = false;
  TRect Rect;
  TColor Color = 0;
};

// Whether the border mask cuts the window's region: CornerKind 2.
bool BorderCutsRegion(const TsSkinModel& skin, int borderMaskIndex);

// Paints the border (frame of the mask) like DrawSkinRect over the parent's
// background and returns the rectangles of the button that remain once the
// corner pixels the border image shows in the key colour are removed.
std::vector<TRect> PaintRgnBorder(TBitmap32& bmp, const TCacheInfo& ci, int frame, const TsMaskData& md);

struct TsButtonFaceResult {
  bool Painted = false;
  bool HasRegion = false;
  std::vector<TRect> Region;  // the window's region when HasRegion
};

// Builds bmp (sized to the button) for the face. glyph.Dest is set to bmp.
TsButtonFaceResult PaintButtonFace(TBitmap32& bmp, const TsButtonFace& face, const TsButtonCaption& caption,
                                   TacDrawGlyphData glyph, const TsButtonFocus& focus, TsTextRasteriser& raster);
