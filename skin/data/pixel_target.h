#pragma once
// Where an image decoder puts its pixels, and the bound on what an image
// header may ask for: no decoder allocates for a picture beyond it.
#include <cstdint>
#include <vector>

inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 24;  // 16.7 million: 64 MiB of pixels
inline constexpr std::int64_t kMaxImageSide = 1 << 15;

inline bool ImageSizeAllowed(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
         width * height <= kMaxImagePixels;
}

// Receives a decoded picture as top-down rows of 32-bit pixels, bytes blue,
// green, red, alpha.
class TPixelTarget {
 public:
  virtual ~TPixelTarget() = default;
  // Called once, with a size ImageSizeAllowed accepts; false when no memory.
  virtual bool Allocate(int width, int height) = 0;
  virtual std::uint32_t* Row(int y) = 0;
};
