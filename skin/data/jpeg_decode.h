#pragma once
// Decoding JPEG pictures (the login window's banner, JPEG textures of skins)
// into 32-bit pixels through libjpeg.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// A decoded picture: top-down rows of 32-bit pixels, bytes blue, green, red,
// alpha (alpha 255 everywhere, JPEG has none).
struct TDecodedImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;  // Width * Height, row after row
};

// Returns nothing when the data is not a JPEG stream libjpeg can decode.
std::optional<TDecodedImage> DecodeJpeg(const std::uint8_t* data, std::size_t size);
