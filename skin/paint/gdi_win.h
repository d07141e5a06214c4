#pragma once
// Painting helpers that need a device context, and window regions from bitmaps.
#include <windows.h>

#include <utility>

#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

// Owns a region handle and deletes it.
class TRegionHandle {
 public:
  TRegionHandle() noexcept = default;
  explicit TRegionHandle(HRGN rgn) noexcept : rgn_(rgn) {}
  TRegionHandle(TRegionHandle&& other) noexcept : rgn_(std::exchange(other.rgn_, nullptr)) {}
  TRegionHandle& operator=(TRegionHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.rgn_, nullptr));
    return *this;
  }
  TRegionHandle(const TRegionHandle&) = delete;
  TRegionHandle& operator=(const TRegionHandle&) = delete;
  ~TRegionHandle() { Reset(); }

  HRGN Get() const noexcept { return rgn_; }
  // Gives the handle away (to SetWindowRgn, which takes ownership).
  HRGN Release() noexcept { return std::exchange(rgn_, nullptr); }
  void Reset(HRGN rgn = nullptr) noexcept {
    if (rgn_) DeleteObject(rgn_);
    rgn_ = rgn;
  }

 private:
  HRGN rgn_ = nullptr;
};

void FillDC(HDC dc, const TRect& rect, TColor color);
// Fills only a frame of the given widths just inside rect.
void FillDCBorder(HDC dc, const TRect& rect, int left, int top, int right, int bottom, TColor color);
// Moves a rectangle of the device context transparency percent toward the colour.
void FadeRect(HDC dc, const TRect& rect, int transparency, TColor color);
// The bitmap's rectangle minus every horizontal run of key pixels.
TRegionHandle GetRgnFromBmp(const TBitmap32& bmp, TColor key);
