#pragma once
// A 5 x 7 pixel font of the printable ASCII letters (lower case drawn as
// upper case) for the labels of the contact sheet.
#include <string_view>

#include "skin/paint/bitmap32.h"

inline constexpr int kGlyphAdvance = 6;  // 5 columns and a blank one
inline constexpr int kGlyphHeight = 7;

// Draws the text with its top-left corner at (x, y), clipped to the bitmap.
void DrawLabel(TBitmap32& bmp, int x, int y, std::string_view text, TsColor color);
