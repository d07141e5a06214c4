#pragma once
// What a skinned frame writes its caption with: the system's caption font,
// a text rasteriser over it and the height of its line, made together once.
#include <memory>

#include "base/win_handles.h"
#include "skin/paint/items/text_gdi_win.h"

class TacCaptionFont {
 public:
  TacCaptionFont();
  TacCaptionFont(const TacCaptionFont&) = delete;
  TacCaptionFont& operator=(const TacCaptionFont&) = delete;

  TsGdiTextRasteriser& Raster() { return *FRaster; }
  int LineHeight() const { return FLineHeight; }

 private:
  TOwnedFont FFont;
  std::unique_ptr<TsGdiTextRasteriser> FRaster;
  int FLineHeight = 0;
};
