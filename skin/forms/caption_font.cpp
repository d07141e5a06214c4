#include "skin/forms/caption_font.h"

#include "skin/forms/frame_form_win.h"

TacCaptionFont::TacCaptionFont() : FFont(CreateCaptionFont()) {
  FRaster = std::make_unique<TsGdiTextRasteriser>(FFont.Get());
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  const TSelectObject font(dc.Get(), FFont.Get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  FLineHeight = metrics.tmHeight;
}
