#include "skin/paint/bitmap32_win.h"

#include "base/win_handles.h"

namespace {
void CountBitmap(int delta) { gLiveHandles[static_cast<size_t>(THandleKind::Bitmap)] += delta; }
}  // namespace

// A 32-bit DIB section; GDI fills it with zeros.
TPixelBlock AllocatePixels(int width, int height, TRowOrder order) noexcept {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = order == TRowOrder::TopDown ? -height : height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!handle || !bits) {
    if (handle) DeleteObject(handle);
    return {};
  }
  CountBitmap(1);
  return {static_cast<TsColor*>(bits), handle};
}

void FreePixels(const TPixelBlock& block) noexcept {
  if (!block.Native) return;
  DeleteObject(static_cast<HBITMAP>(block.Native));
  CountBitmap(-1);
}
