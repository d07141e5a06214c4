#pragma once
// Decoding PNG pictures through libpng into 32-bit pixels with their alpha
// channel: every colour type and bit depth becomes bytes blue, green, red,
// alpha (alpha 255 where the picture has none).
#include <cstddef>
#include <cstdint>

#include "skin/data/pixel_target.h"

inline constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// False when the data is not a PNG libpng can read whole, or the picture is
// larger than kMaxImagePixels.
bool DecodePngInto(const std::uint8_t* data, std::size_t size, TPixelTarget& target);
