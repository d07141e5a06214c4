#pragma once
// The application's common sections: an options text merged over every
// loaded skin. Sections of the same name are updated in place; others are
// appended, based on the loaded section their "PARENTCLASS" names.
#include "skin/data/ini_text.h"
#include "skin/data/skin_records.h"

class TsSkinModel;

void MergeCommonSections(TsSkinModel& model, const TIniText& common);

// What the hot state copies from the normal one in a section of one state:
// colours, font colours, glow, gradient percent and data, image percent,
// transparency.
void CopyStateValues(TsGenState& to, const TsGenState& from);
