#include "skin/forms/caption_text.h"

#include "skin/forms/frame_form_win.h"

TacCaptionText::TacCaptionText() : FFont(CreateCaptionFont()) {
  FRaster = std::make_unique<TsGdiTextRasteriser>(FFont.Get());
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  const TSelectObject font(dc.Get(), FFont.Get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  FLineHeight = metrics.tmHeight;
}
