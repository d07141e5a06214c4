#pragma once
// Gradient descriptions of the options text: integers separated by ';', five
// per stripe (start colour, end colour, percent, kind, one number read past).
#include <string_view>

#include "skin/data/skin_records.h"

// Whole stripes only; system-colour references become RGB, percents are
// limited to 0..100, a kind other than 0, 1 or 2 reads as top-to-bottom, a
// word that is no number reads as 0.
TsGradArray ParseGradientData(std::string_view data);
