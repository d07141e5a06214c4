#include <cstdint>
#include <limits>
#include <new>

#include "skin/paint/bitmap32.h"

// Zero-filled pixels in ordinary memory (as a fresh DIB section is).
TPixelBlock AllocatePixels(int width, int height, TRowOrder) noexcept {
  const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (count > std::numeric_limits<std::ptrdiff_t>::max() / sizeof(TsColor)) return {};
  return {new (std::nothrow) TsColor[count](), nullptr};
}

void FreePixels(const TPixelBlock& block) noexcept { delete[] block.Bits; }
