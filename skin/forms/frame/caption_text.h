#pragma once
// The caption text of a skinned form: where it goes in the caption band and
// how it is written into the whole-window picture.
#include "skin/forms/frame/caption_layout.h"
#include "skin/forms/frame/frame_sections.h"
#include "skin/paint/items/text_paint.h"
#include "skin/paint/text_format.h"

// Single line, vertically centred, end ellipsis, no prefix; right-to-left
// reading (kDtRtlReading) is added for right-to-left forms.
inline constexpr unsigned kCaptionFormat = kDtSingleLine | kDtVCenter | kDtEndEllipsis | kDtNoPrefix;

// The band the text may take: from after the icon to before the buttons,
// the caption font's height around the caption's centre.
TRect CaptionTextBand(const TsSkinModel& skin, const TacFrameSections& sections, const TacFrameForm& form,
                      const TacCaptionLayout& layout);

// The band narrowed to the text by the alignment (left and right swap on
// right-to-left forms); textWidth is the text's measured width.
TRect AlignCaptionText(const TRect& band, int textWidth, TAlignment alignment, bool rightToLeft);

// Paints the "CAPTION" section behind the text, its glow (kept in glow) and
// the text in the colours of the text section for the form's state. Nothing
// when the band is empty.
void PaintCaptionText(TBitmap32& bmp, const TsSkinModel& skin, const TacFrameSections& sections,
                      const TacFrameForm& form, const TacCaptionLayout& layout, TsTextRasteriser& raster,
                      TacGlowMask& glow);
