#pragma once
// The manager's hue, saturation and brightness changes applied to a loaded
// skin: its pictures, its section colours and the shifted palette colours.
// Key-colour pixels never change.
#include "skin/data/skin_model.h"

void ChangeSkinHue(TsSkinModel& model, int offset);
void ChangeSkinSaturation(TsSkinModel& model, int value);  // value -100..100
void ChangeSkinBrightness(TsSkinModel& model, int value);
// All three, each skipped when 0.
void ApplyColorChanges(TsSkinModel& model, int hue, int saturation, int brightness);
