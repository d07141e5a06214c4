#pragma once
// The kinds a form is made of: border style, border icons, window state and
// caption alignment, shared by the framework's forms and the portable frame
// painting; where a bitmap button puts its glyph beside its caption.
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

enum TWindowState { wsNormal, wsMinimized, wsMaximized };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
