#pragma once
// The caption buttons of a skinned form: which exist and may act (as the
// form's system menu says), and which skin glyph each one shows.
#include <string>

#include "skin/data/skin_model.h"
#include "skin/forms/frame/frame_form.h"

// Hit codes of the buttons (the platform's values).
inline constexpr int kHtMinButton = 8;
inline constexpr int kHtMaxButton = 9;
inline constexpr int kHtClose = 20;
inline constexpr int kHtHelp = 21;
inline constexpr int kHtUserButton = 1000;  // + the user button's index

// One caption button. A hidden button has Rect.Right == Rect.Left.
struct TsCaptionButton {
  int State = 0;       // -1 none, 0 normal, 1 hot, 2 pressed
  int ImageIndex = -1;  // glyph image in the skin
  TRect Rect;          // window coordinates
  bool LargeGlyph = false;
  int GlowHandle = -1;
  int HTCode = 0;
  bool Visible() const { return Rect.Right != Rect.Left; }
};

// What the form's system menu shows and allows: the caption buttons and the
// items of the skinned system menu follow it.
struct TacSysMenuState {
  bool VisibleClose = false;
  bool VisibleMax = false;
  bool VisibleMin = false;
  bool VisibleHelp = false;
  bool VisibleRestore = false;
  bool VisibleSize = false;
  bool EnabledClose = false;
  bool EnabledMax = false;
  bool EnabledMin = false;
  bool EnabledRestore = false;
  bool EnabledMove = false;
  bool EnabledSize = false;
};
TacSysMenuState SysMenuState(const TacFrameForm& form);

// The glyph images of the four system buttons (-1: none).
struct TacCaptionGlyphs {
  bool LargeGlyphs = false;  // the large set (top-aligned with the skin's vertical alignment)
  int Close = -1;
  int Max = -1;
  int Norm = -1;  // restore
  int Min = -1;
  int Help = -1;
};
// The large set for single and sizeable forms (the lone close glyph when
// neither maximise nor minimise shows and the skin has it), else the small
// set; the large set for all when the chosen close glyph is missing.
TacCaptionGlyphs CaptionGlyphs(const TsSkinModel& skin, const TacFrameForm& form, const TacSysMenuState& menu);

// Width of one frame of a glyph image, 21 without one; the same for the height.
int GlyphFrameWidth(const TsSkinModel& skin, int image);
int GlyphFrameHeight(const TsSkinModel& skin, int image);

// The glow of a hot minimise, maximise or close button: the image named
// after the button's glyph followed by "GLOW0", and how far it reaches into
// the button. Empty Key when the skin gives the button no glow (its glow
// size is 0, or it is another button).
struct TacCaptionGlow {
  std::string Key;
  int Margin = 0;
};
TacCaptionGlow CaptionButtonGlow(const TsSkinModel& skin, int code, int glyphImage);
