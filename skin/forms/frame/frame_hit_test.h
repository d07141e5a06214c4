#pragma once
// Where a point of a skinned form's window lies: a hit code as the platform
// knows them (client, caption, system menu icon, menu band, sizing edges,
// caption buttons) plus 1000 + i for user caption button i.
#include "skin/forms/frame/caption_layout.h"

inline constexpr int kHtClient = 1;
inline constexpr int kHtCaption = 2;
inline constexpr int kHtSysMenu = 3;
inline constexpr int kHtMenu = 5;
inline constexpr int kHtLeft = 10;
inline constexpr int kHtRight = 11;
inline constexpr int kHtTop = 12;
inline constexpr int kHtTopLeft = 13;
inline constexpr int kHtTopRight = 14;
inline constexpr int kHtBottom = 15;
inline constexpr int kHtBottomLeft = 16;
inline constexpr int kHtBottomRight = 17;

// The code of a point relative to the window's top-left corner: an enabled
// caption button under it first, then the sizing edges of a sizeable form
// that is not maximised, the caption band (the icon, else caption), the menu
// rows, and below them the client area (the size grip's square excepted).
int HTProcess(const TacCaptionLayout& layout, const TacFrameForm& form, TPoint point);

// True when the system's own frame geometry should decide instead: for the
// codes nowhere, client, caption, menu and the sizing edges, unless the point
// lies in the size grip.
bool SystemDecidesHit(const TacCaptionLayout& layout, TPoint point, int code);
