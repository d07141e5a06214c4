#pragma once
// Decoding JPEG pictures (the login window's banner, JPEG textures of skins)
// into 32-bit pixels through libjpeg.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/data/pixel_target.h"

// A decoded picture: top-down rows of 32-bit pixels, bytes blue, green, red,
// alpha (alpha 255 everywhere, JPEG has none).
struct TDecodedImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;  // Width * Height, row after row
};

// False when the data is not a JPEG stream libjpeg can decode or the picture
// is larger than kMaxImagePixels. Corrupt scan data after a good header still
// gives a picture (libjpeg fills what it cannot read).
bool DecodeJpegInto(const std::uint8_t* data, std::size_t size, TPixelTarget& target);

// Returns nothing when DecodeJpegInto fails.
std::optional<TDecodedImage> DecodeJpeg(const std::uint8_t* data, std::size_t size);
