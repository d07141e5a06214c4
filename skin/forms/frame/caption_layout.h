#pragma once
// The caption band of a skinned form laid out in window coordinates: its
// vertical centre, the icon, and the caption buttons placed right to left
// (close, maximise, minimise, help, then the user buttons).
#include <vector>

#include "skin/forms/frame/caption_buttons.h"
#include "skin/forms/frame/frame_metrics.h"

struct TacCaptionLayout {
  TacFrameGeometry Geometry;
  TacSysMenuState Menu;
  TacCaptionGlyphs Glyphs;
  bool LargeButtons = false;  // single and sizeable forms: the skin's gap between buttons
  int CaptionVCenter = 0;
  int TitleBottom = 0;
  TRect IconRect;  // Right == Left when no icon shows
  int ButtonHeight = 0;
  int TitleBtnsWidth = 0;  // the buttons and their margins, from the right edge
  TsCaptionButton ButtonClose{.HTCode = kHtClose};
  TsCaptionButton ButtonMax{.HTCode = kHtMaxButton};
  TsCaptionButton ButtonMin{.HTCode = kHtMinButton};
  TsCaptionButton ButtonHelp{.HTCode = kHtHelp};
  std::vector<TsCaptionButton> UserButtons;  // one per user button, in the form's order
  TRect GripRect;  // the size grip in the client's bottom-right corner, empty when none shows

  // The system button of a hit code (close, maximise, minimise, help), or nullptr.
  TsCaptionButton* Button(int code);
  const TsCaptionButton* Button(int code) const { return const_cast<TacCaptionLayout*>(this)->Button(code); }
  bool AnySystemButton() const {
    return ButtonClose.Visible() || ButtonMax.Visible() || ButtonMin.Visible() || ButtonHelp.Visible();
  }
};

TacCaptionLayout CalcItems(const TsSkinModel& skin, const TacFrameForm& form, const TacFrameMetrics& metrics);
