#pragma once
// The platform's text format flags (its DrawText's, by name) as the skin's
// layouts pass them on to text measuring and drawing, and their mirroring for
// right-to-left controls.
#include "base/form_kinds.h"

inline constexpr unsigned kDtLeft = 0x0;
inline constexpr unsigned kDtCenter = 0x1;
inline constexpr unsigned kDtRight = 0x2;
inline constexpr unsigned kDtVCenter = 0x4;
inline constexpr unsigned kDtWordBreak = 0x10;
inline constexpr unsigned kDtSingleLine = 0x20;
inline constexpr unsigned kDtExpandTabs = 0x40;
inline constexpr unsigned kDtNoClip = 0x100;
inline constexpr unsigned kDtCalcRect = 0x400;
inline constexpr unsigned kDtNoPrefix = 0x800;
inline constexpr unsigned kDtEndEllipsis = 0x8000;
inline constexpr unsigned kDtRtlReading = 0x20000;
inline constexpr unsigned kDtHidePrefix = 0x100000;

// How a control reads and aligns: right-to-left alignment mirrors left and
// right, right-to-left reading adds the reading flag.
struct TBiDi {
  bool RightToLeftAlignment = false;
  bool RightToLeftReading = false;
};

// The flag of an alignment: left 0, right kDtRight, centre kDtCenter.
inline unsigned AlignmentFormat(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify: return kDtRight;
    case taCenter: return kDtCenter;
    case taLeftJustify: break;
  }
  return kDtLeft;
}

// The flags adjusted for the control's reading order: with right-to-left
// alignment a right flag becomes left and a left one right (centre stays).
inline unsigned BiDiFormat(unsigned format, TBiDi bidi) {
  if (bidi.RightToLeftAlignment) {
    if ((format & kDtRight) != 0) {
      format &= ~kDtRight;
    } else if ((format & kDtCenter) == 0) {
      format |= kDtRight;
    }
  }
  if (bidi.RightToLeftReading) format |= kDtRtlReading;
  return format;
}
