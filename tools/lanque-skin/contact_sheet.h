#pragma once
// A contact sheet of a loaded skin for its authors and reviewers: every
// image record (each frame side by side, its mask band below) and every
// pattern, labelled with section and key. Holes (the key colour) and
// transparent pixels show a grey checkerboard.
#include "skin/data/skin_model.h"
#include "skin/paint/bitmap32.h"

TBitmap32 RenderContactSheet(const TsSkinModel& model);
