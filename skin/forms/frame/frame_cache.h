#pragma once
// The whole-window picture of a skinned form: frame, caption band (icon,
// text, buttons), menu band and client background painted once per change
// from the skin. Frame painting, client erasing and children asking for
// their background all copy from it; it is rebuilt only when stale.
#include <array>

#include "skin/forms/frame/caption_layout.h"
#include "skin/forms/frame/frame_sections.h"
#include "skin/paint/items/text_paint.h"

class TacFrameCache {
 public:
  // Set by whatever changes the look (activation, size, caption, skin); the
  // picture is also stale while empty or of another size than the window's.
  bool BackgroundChanged = true;
  // Set by every rebuild: the window region must follow the new picture.
  bool RegionStale = true;
  bool PaintedOnce = false;

  // Rebuilds the picture and the caption layout when stale. False (the last
  // picture kept) when the skin has no section for the form.
  bool PaintAll(const TsSkinModel& skin, const TacFrameForm& form, const TacFrameMetrics& metrics,
                TsTextRasteriser& raster);
  // The glow bitmaps of the caption text follow the text, size and skin.
  void FreeGlows() { glows_ = {}; }
  // Redraws one caption button (hit code) in a state over the caption
  // background saved under the buttons, leaving the rest of the picture as it
  // is. Returns the rectangle that changed, empty when the button shows not.
  TRect RepaintButton(const TsSkinModel& skin, const TacFrameForm& form, int code, int state);
  // The button's rectangle (cut to the picture) as it looks in a state, over
  // the saved caption background; empty when the button shows not.
  TBitmap32 ButtonPicture(const TsSkinModel& skin, const TacFrameForm& form, int code, int state, TRect& rect) const;
  // Whole-picture rebuilds so far.
  int Rebuilds() const { return rebuilds_; }

  const TBitmap32& Bitmap() const { return bitmap_; }
  // The picture for what the platform side adds after a rebuild (the items
  // of a main menu's bar, painted into its band).
  TBitmap32& EditBitmap() { return bitmap_; }
  const TacCaptionLayout& Layout() const { return layout_; }
  const TacFrameSections& Sections() const { return sections_; }
  // The client area's rectangle in the picture.
  TRect ClientRect(const TacFrameForm& form) const;

 private:
  bool Stale(const TacFrameGeometry& g) const;
  void PaintBackground(const TsSkinModel& skin, const TacFrameForm& form);
  void PaintCaptionBand(const TsSkinModel& skin, const TacFrameForm& form, TsTextRasteriser& raster);
  void PaintButtons(const TsSkinModel& skin, const TacFrameForm& form);
  // The button drawn into target, whose top left corner is origin in the picture.
  void DrawButton(const TsSkinModel& skin, const TacFrameForm& form, const TsCaptionButton& button, TBitmap32& target,
                  TPoint origin) const;
  const TsCaptionButton* ShownButton(int code) const;
  // The caption background under the buttons (top right corner of the picture).
  void SaveBGForBtns();
  void RestoreBtnsBG(TBitmap32& target, TPoint origin, const TRect& rect) const;

  TBitmap32 bitmap_;
  TacCaptionLayout layout_;
  TacFrameSections sections_;
  std::array<TacGlowMask, 2> glows_;  // inactive, active
  TBitmap32 buttonsBG_;
  TPoint buttonsBGAt_;
  int rebuilds_ = 0;
};

// A picture with straight alpha scaled (nearest pixel) into rect and laid
// over the target; every target pixel it covers becomes opaque.
void DrawTitleIcon(TBitmap32& bmp, const TRect& rect, const TBitmap32& icon);
