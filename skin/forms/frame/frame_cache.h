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

  const TBitmap32& Bitmap() const { return bitmap_; }
  // How often the picture has been rebuilt.
  int Rebuilds() const { return rebuilds_; }
  const TacCaptionLayout& Layout() const { return layout_; }
  const TacFrameSections& Sections() const { return sections_; }
  // The client area's rectangle in the picture.
  TRect ClientRect(const TacFrameForm& form) const;

 private:
  bool Stale(const TacFrameGeometry& g) const;
  void PaintBackground(const TsSkinModel& skin, const TacFrameForm& form);
  void PaintCaptionBand(const TsSkinModel& skin, const TacFrameForm& form, TsTextRasteriser& raster);
  void PaintButtons(const TsSkinModel& skin, const TacFrameForm& form);

  TBitmap32 bitmap_;
  TacCaptionLayout layout_;
  TacFrameSections sections_;
  std::array<TacGlowMask, 2> glows_;  // inactive, active
  int rebuilds_ = 0;
};

// A picture with straight alpha scaled (nearest pixel) into rect and laid
// over the target; every target pixel it covers becomes opaque.
void DrawTitleIcon(TBitmap32& bmp, const TRect& rect, const TBitmap32& icon);
