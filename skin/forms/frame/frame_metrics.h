#pragma once
// The frame geometry of a skinned form: the system's non-client sizes as the
// form's style and state select them (the skin is painted into the space the
// system reserves), and where the client area lies in the whole window.
#include "skin/forms/frame/frame_form.h"

struct TacFrameGeometry {
  int SysBorderWidth = 0;   // sizing frame, else fixed frame, else 0
  int SysBorderHeight = 0;  // the same
  int SysCaptHeight = 0;    // the caption metric for the border style
  int CaptionHeight = 0;    // 0 for a form without caption
  int BorderWidth = 0;      // system frame plus the form's own border width
  int BorderHeight = 0;
  int MenuHeight = 0;       // one menu row, 0 without a main menu
  int MenuRows = 0;
  int CaptionWidth = 0;     // width of the whole-window picture
  int CacheHeight = 0;      // height of the whole-window picture
  int OffsetX = 0;          // the client area's place in the window
  int OffsetY = 0;
  int HeaderHeight = 0;     // height above the client area
  bool IconVisible = false;
};

TacFrameGeometry FrameGeometry(const TacFrameForm& form, const TacFrameMetrics& metrics);
