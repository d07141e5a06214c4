#include "framework/image.h"

#include <cstring>

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TImage::SetPicture(int Width, int Height, const std::uint32_t* Pixels) {
  FPicture.Reset();
  FPictureWidth = FPictureHeight = 0;
  if (Width > 0 && Height > 0 && Pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    FPicture.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (FPicture && bits) {
      std::memcpy(bits, Pixels, static_cast<size_t>(Width) * static_cast<size_t>(Height) * 4);
      FPictureWidth = Width;
      FPictureHeight = Height;
    } else {
      FPicture.Reset();
    }
  }
  Invalidate();
}

void TImage::Paint(TCanvas& Canvas) {
  if (!FPicture) return;
  const TOwnedMemoryDC memory(CreateCompatibleDC(Canvas.GetHandle()));
  const TSelectObject selected(memory.Get(), FPicture.Get());
  BitBlt(Canvas.GetHandle(), 0, 0, FPictureWidth, FPictureHeight, memory.Get(), 0, 0, SRCCOPY);
}
