#pragma once
// Our own reader of Windows bitmap files: 1, 4 and 8 bits per pixel with a
// colour table, 24 and 32 bits per pixel (plain or with bit fields), rows
// stored bottom-up or top-down. Compressed (RLE) files are not read.
#include <cstddef>
#include <cstdint>

#include "skin/data/pixel_target.h"

struct TBmpInfo {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;
};

// False when the data is no bitmap file of those forms, when its pixel rows do
// not fit in the data, or when the picture is larger than kMaxImagePixels.
// Pixels of fewer than 32 bits per pixel get alpha 0; 32-bit pixels keep
// theirs (a file with bit fields and no alpha mask gets 0 as well).
bool DecodeBmpInto(const std::uint8_t* data, std::size_t size, TPixelTarget& target, TBmpInfo* info = nullptr);
