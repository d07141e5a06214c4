#include "skin/paint/bitmap32.h"

#include <utility>

TBitmap32::TBitmap32(int width, int height, TRowOrder order) : order_(order) {
  if (width <= 0 || height <= 0) return;
  const TPixelBlock block = AllocatePixels(width, height, order);
  if (!block.Bits) return;
  bits_ = block.Bits;
  native_ = block.Native;
  width_ = width;
  height_ = height;
}

TBitmap32::TBitmap32(TBitmap32&& other) noexcept
    : bits_(std::exchange(other.bits_, nullptr)),
      native_(std::exchange(other.native_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      order_(other.order_) {}

TBitmap32& TBitmap32::operator=(TBitmap32&& other) noexcept {
  if (this != &other) {
    Release();
    bits_ = std::exchange(other.bits_, nullptr);
    native_ = std::exchange(other.native_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    order_ = other.order_;
  }
  return *this;
}

TBitmap32::~TBitmap32() { Release(); }

void TBitmap32::Release() noexcept {
  if (bits_) FreePixels({bits_, native_});
  bits_ = nullptr;
  native_ = nullptr;
  width_ = height_ = 0;
}

bool TBitmap32::InitLine(std::uint8_t*& row0, std::ptrdiff_t& delta) const noexcept {
  if (!bits_) return false;
  row0 = reinterpret_cast<std::uint8_t*>(Row(0));
  const std::ptrdiff_t bytes = static_cast<std::ptrdiff_t>(width_) * 4;
  delta = order_ == TRowOrder::TopDown ? bytes : -bytes;
  return true;
}

TsColor* TBitmap32::Row(int y) const noexcept {
  const int storedRow = order_ == TRowOrder::TopDown ? y : height_ - 1 - y;
  return bits_ + static_cast<std::ptrdiff_t>(storedRow) * width_;
}

TBitmap32 CreateBmp32(int width, int height) { return TBitmap32(width, height); }
