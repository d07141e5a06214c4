#pragma once
// The box of a check box or radio button as the skin draws it: the global
// images "BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED" and their radio twins
// "RADIOCHECKED", "RADIOUNCHECKED", "RADIOGRAYED", one frame a state. Shared
// by the skinned check box and the check boxes skinned from outside.
#include <windows.h>

#include "skin/data/skin_model.h"
#include "skin/paint/bitmap32.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TCheckGlyphKind { ckBox, ckRadio };

// The state a button's check (BM_GETCHECK, BM_SETCHECK) stands for.
TCheckBoxState CheckStateOf(WPARAM Check);

// The skin's image of the box in a state; -1 without a skin or image.
int CheckGlyphIndex(const TsSkinModel* Skin, TCheckGlyphKind Kind, TCheckBoxState State);
// The size of that image; 16 x 16 without one.
SIZE CheckGlyphSize(const TsSkinModel* Skin, int Index);
// Draws frame State (0 normal, 1 hot, 2 pressed) of the image at a point of
// the cache; its holes show what the cache holds there already.
void DrawCheckGlyph(TBitmap32& Cache, const TsSkinModel& Skin, int Index, POINT At, int State);
