#pragma once
// Hue, saturation and value of colours and pixels, and the hue shift of a skin.
#include "skin/paint/colors.h"

struct THsv {
  int H = 0;       // degrees, 0..359
  double S = 0;    // 0..1
  double V = 0;    // 0..1 (the largest channel / 255)
};

THsv Rgb2Hsv(TsColor pixel);        // pixel order; alpha ignored
TsColor Hsv2Rgb(const THsv& hsv);   // pixel order; alpha 0
THsv RGBToHSV(TColor color);        // colour-value order
TColor HSVtoRGB(const THsv& hsv);   // colour-value order

// The colour turned round the colour wheel by offset degrees (any sign);
// greys keep their value; the top byte is kept.
TColor ChangeHue(int offset, TColor color);
