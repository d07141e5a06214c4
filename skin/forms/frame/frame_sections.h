#pragma once
// The skin sections and images a form's frame is painted from, and the state
// the frame is drawn in.
#include "skin/data/skin_model.h"
#include "skin/forms/frame/frame_form.h"

struct TacFrameSections {
  int Form = -1;         // the form's own section ("FORM")
  int Title = -1;        // the caption band: the title skin, else "FORMTITLE"
  int Caption = -1;      // "CAPTION": behind the caption text; its colours
  int MenuLine = -1;     // the main-menu band: the menu line skin, else "MENULINE"
  int FormBorder = -1;   // the form section's border image
  int TitleBorder = -1;  // the title section's border image
  int TitleBar = -1;     // the form section's "TITLEBAR" strip behind the buttons
  int Grip = -1;         // "GRIPIMAGE"
};
TacFrameSections FrameSections(const TsSkinModel& skin, const TacFrameForm& form);

// The state a section is drawn in: 1 for an active form, 0 for an inactive
// one, limited to the section's states.
int FrameState(const TsSkinModel& skin, int section, bool active);
