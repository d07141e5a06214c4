#pragma once
// The platform's measuring of a text with a control's font.
#include <string_view>

#include "skin/paint/geometry.h"

class TsTextMeasurer {
 public:
  virtual ~TsTextMeasurer() = default;
  // The size of the rectangle the platform's DrawText fills for the text
  // with the flags (kDtCalcRect among them), starting from start.
  virtual TSize MeasureText(std::string_view text, const TRect& start, unsigned format) = 0;
};
