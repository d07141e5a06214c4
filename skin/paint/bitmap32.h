#pragma once
// The 32-bit bitmap every skin image, cache and animation frame lives in.
// Rows are reached through InitLine: the address of row 0 and the signed
// distance in bytes from one row to the next (negative for bottom-up storage).
// On Windows the pixels belong to a DIB section, so GDI can draw into the
// bitmap and copy from it; elsewhere they are plain memory.
#include <cstddef>
#include <cstdint>

#include "skin/paint/colors.h"

enum class TRowOrder { TopDown, BottomUp };

class TBitmap32 {
 public:
  TBitmap32() noexcept = default;
  // A failed creation (no memory, sizes not positive) leaves an empty bitmap.
  TBitmap32(int width, int height, TRowOrder order = TRowOrder::TopDown);
  TBitmap32(TBitmap32&& other) noexcept;
  TBitmap32& operator=(TBitmap32&& other) noexcept;
  TBitmap32(const TBitmap32&) = delete;
  TBitmap32& operator=(const TBitmap32&) = delete;
  ~TBitmap32();

  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  bool Empty() const noexcept { return bits_ == nullptr; }
  TRowOrder Order() const noexcept { return order_; }

  // False (and nothing set) for a bitmap without rows.
  bool InitLine(std::uint8_t*& row0, std::ptrdiff_t& delta) const noexcept;
  TsColor* Row(int y) const noexcept;

  // The platform object behind the pixels (an HBITMAP on Windows).
  void* NativeHandle() const noexcept { return native_; }

 private:
  void Release() noexcept;

  TsColor* bits_ = nullptr;  // lowest address of the pixel block
  void* native_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  TRowOrder order_ = TRowOrder::TopDown;
};

TBitmap32 CreateBmp32(int width, int height);

// One pixel, without bounds checks: the caller keeps x and y inside.
inline TsColor GetAPixel(const TBitmap32& bmp, int x, int y) { return bmp.Row(y)[x]; }
inline void SetAPixel(TBitmap32& bmp, int x, int y, TsColor value) { bmp.Row(y)[x] = value; }

// Where the pixels come from: bitmap32_mem.cpp natively, bitmap32_win.cpp on Windows.
struct TPixelBlock {
  TsColor* Bits = nullptr;
  void* Native = nullptr;
};
TPixelBlock AllocatePixels(int width, int height, TRowOrder order) noexcept;
void FreePixels(const TPixelBlock& block) noexcept;
