#pragma once
// The window region of a skinned form: the window's rectangle with the
// transparent (key colour) pixels of the skin's frame corners cut away, as a
// list of rectangles the platform side turns into its region.
#include <vector>

#include "skin/forms/frame/caption_layout.h"
#include "skin/forms/frame/frame_sections.h"

// The rectangles to cut, one row high: the key pixels of the corners of the
// form's border image (its top corners at y = 0, its bottom corners at the
// window's bottom) and of the title section's border image (its top corners,
// over the caption width), each in the frame of the form's state.
std::vector<TRect> FillArOR(const TsSkinModel& skin, const TacFrameSections& sections, const TacFrameForm& form,
                            const TacCaptionLayout& layout);

// The rectangle (0, 0, width, height) minus the cuts, as bands: rows of the
// same pieces merged, top to bottom and left to right within a band.
std::vector<TRect> GetRgnFromArOR(const std::vector<TRect>& cuts, int width, int height);

// What the window's region becomes.
struct TacWindowRegion {
  bool Remove = false;      // no region: the window keeps its own shape
  std::vector<TRect> Rects;  // otherwise the region's rectangles
};
// None for a form without border that is neither minimised nor sizeable; a
// maximised form without size constraints loses its frame outside the
// screen (the window shrunk by the system frame on every side); any other
// form gets the corner cuts.
TacWindowRegion FrameRegion(const TsSkinModel& skin, const TacFrameSections& sections, const TacFrameForm& form,
                            const TacCaptionLayout& layout);
