#pragma once
// A windowless control that shows a picture at its natural size.
#include <cstdint>

#include "base/win_handles.h"
#include "framework/control.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);

  // Copies a picture of Width x Height pixels (blue, green, red, unused byte),
  // row after row from the top.
  void SetPicture(int Width, int Height, const std::uint32_t* Pixels);
  int GetPictureWidth() const { return FPictureWidth; }
  int GetPictureHeight() const { return FPictureHeight; }

 protected:
  void Paint(TCanvas& Canvas) override;

 private:
  TOwnedBitmap FPicture;
  int FPictureWidth = 0;
  int FPictureHeight = 0;
};
