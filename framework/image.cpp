#include "framework/image.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TImage::SetPicture(TDecodedImage Picture) {
  FPicture = std::move(Picture);
  Invalidate();
}

void TImage::Paint(TCanvas& Canvas) {
  if (FPicture.Pixels.empty()) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = FPicture.Width;
  info.bmiHeader.biHeight = -FPicture.Height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(Canvas.GetHandle(), 0, 0, FPicture.Width, FPicture.Height, 0, 0, 0,
                    FPicture.Height, FPicture.Pixels.data(), &info, DIB_RGB_COLORS);
}
