#pragma once
// The manager's hue, saturation and brightness changes applied to a loaded
// skin: its pictures, its section colours and the shifted palette colours.
// Key-colour pixels never change.
#include "skin/data/skin_model.h"

// Hue: the title glyphs the skin's "BIKEEPHUE" names keep their colours, in
// the master bitmap and as pictures of their own.
void ChangeSkinHue(TsSkinModel& model, int offset);
void ChangeSkinSaturation(TsSkinModel& model, int value);  // value -100..100
// Brightness: mask bands keep their values. A brightened picture of its own
// that loading left unprepared (brightness above 0) is prepared afterwards:
// transparent pixels normalised for skins older than 7.45, alpha
// premultiplied for newer ones (key pixels kept).
void ChangeSkinBrightness(TsSkinModel& model, int value);
// All three, each skipped when 0.
void ApplyColorChanges(TsSkinModel& model, int hue, int saturation, int brightness);
