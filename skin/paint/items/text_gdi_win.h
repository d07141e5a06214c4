#pragma once
// The text rasteriser and measurer of Windows: GDI draws and measures 8-bit
// text of the system code page with a font, drawing into the DIB section
// behind a bitmap. Thin forms of GDI's text drawing and measuring on a device
// context.
#include <windows.h>

#include <string_view>

#include "base/win_handles.h"
#include "skin/paint/items/text_paint.h"
#include "skin/paint/text_measure.h"

class TsGdiTextRasteriser final : public TsTextRasteriser {
 public:
  // The font is borrowed (nullptr: the system's default GUI font); it must outlive the rasteriser.
  explicit TsGdiTextRasteriser(HFONT font = nullptr);
  TsGdiTextRasteriser(const TsGdiTextRasteriser&) = delete;
  TsGdiTextRasteriser& operator=(const TsGdiTextRasteriser&) = delete;
  ~TsGdiTextRasteriser() override;

  void DrawBlack(TBitmap32& bmp, std::string_view text, const TRect& rect, unsigned format) override;
  int TextWidth(std::string_view text) override;
  bool IsLeadByte(unsigned char c) const override { return IsDBCSLeadByte(c) != 0; }
  void SetUnderline(bool underline) override;

 private:
  TOwnedMemoryDC dc_;  // a memory DC holding the font
  HFONT font_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  TOwnedFont underlined_;  // the font underlined, made on first use
};

// Text measured as DrawText measures it (DT_CALCRECT) with one font; an empty
// text measures nothing.
class TsGdiTextMeasurer final : public TsTextMeasurer {
 public:
  // The font is borrowed (nullptr: the system's default GUI font); it must outlive the measurer.
  explicit TsGdiTextMeasurer(HFONT font);
  TSize MeasureText(std::string_view text, const TRect& start, unsigned format) override;

 private:
  TOwnedMemoryDC dc_;
  TSelectObject selected_;  // the font, in dc_ while the measurer lives
};

// DrawText with the DC's font; returns the height drawn.
int acDrawText(HDC dc, std::string_view text, RECT& rect, unsigned format);
// The text at a point, as TextOut.
void acWriteText(HDC dc, std::string_view text, int x, int y);
SIZE acTextExtent(HDC dc, std::string_view text);
int acTextWidth(HDC dc, std::string_view text);
int acTextHeight(HDC dc, std::string_view text);
// The rectangle DrawText would fill (DT_CALCRECT) from rect's top-left corner.
RECT acTextRect(HDC dc, std::string_view text, RECT rect, unsigned format);
