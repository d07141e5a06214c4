#pragma once
// A windowless control that shows a picture at its natural size.
#include "framework/control.h"
#include "skin/data/jpeg_decode.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);

  void SetPicture(TDecodedImage Picture);
  const TDecodedImage& GetPicture() const { return FPicture; }

 protected:
  void Paint(TCanvas& Canvas) override;

 private:
  TDecodedImage FPicture;
};
