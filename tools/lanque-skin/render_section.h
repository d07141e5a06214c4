#pragma once
// Sections of a loaded skin painted as a control would show them: one
// section in one state at a size over a parent of one colour, or every
// section in every state on one sheet.
#include <string>

#include "skin/data/skin_model.h"
#include "skin/paint/bitmap32.h"

// Throws std::runtime_error for an unknown section or a size that is not positive.
TBitmap32 RenderSection(const TsSkinModel& model, const std::string& section, int state, int width, int height,
                        TColor parent);

// Every section but "GLOBALINFO", a row each, its states side by side, each
// cell width x height over the parent colour and labelled with the section name.
TBitmap32 RenderSectionSheet(const TsSkinModel& model, int width, int height, TColor parent);

// The caption drawn over a rendered section: the section name in its text
// colours on Windows; nothing natively (no text rasteriser).
void DrawSectionCaption(TBitmap32& bmp, const TRect& rect, const TsSkinModel& model, int section, int state);
