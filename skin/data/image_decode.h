#pragma once
// Image files of skins (BMP, PNG, JPEG, told apart by their first bytes)
// decoded into 32-bit bitmaps.
#include <cstdint>
#include <optional>
#include <span>

#include "skin/paint/bitmap32.h"

enum class TImageFormat { Bmp, Png, Jpeg };

struct TLoadedImage {
  TBitmap32 Bitmap;  // top-down rows
  TImageFormat Format = TImageFormat::Bmp;
  // The file's own alpha is in the pixels (PNG, 32-bit BMP); otherwise the
  // alpha bytes are 0 until the loader gives them their value.
  bool HasAlpha = false;
};

std::optional<TImageFormat> SniffImageFormat(std::span<const std::uint8_t> bytes);

// Nothing for data of no known form, damaged data, or pictures beyond kMaxImagePixels.
std::optional<TLoadedImage> DecodeImage(std::span<const std::uint8_t> bytes);

// An image file as the skin loader reads it: decoded, and a picture without
// alpha of its own made opaque everywhere except on key-colour pixels.
std::optional<TLoadedImage> DecodeSkinImage(std::span<const std::uint8_t> bytes);
