#pragma once
// The text rasteriser of Windows: GDI draws 8-bit text of the system code
// page with a font into the DIB section behind a bitmap. Thin forms of GDI's
// text drawing and measuring on a device context.
#include <windows.h>

#include <string_view>
#include <utility>

#include "skin/paint/items/text_paint.h"

// Owns a font handle and deletes it.
class TFontHandle {
 public:
  TFontHandle() noexcept = default;
  explicit TFontHandle(HFONT font) noexcept : font_(font) {}
  TFontHandle(TFontHandle&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
  TFontHandle& operator=(TFontHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.font_, nullptr));
    return *this;
  }
  TFontHandle(const TFontHandle&) = delete;
  TFontHandle& operator=(const TFontHandle&) = delete;
  ~TFontHandle() { Reset(); }
  HFONT Get() const noexcept { return font_; }
  void Reset(HFONT font = nullptr) noexcept {
    if (font_) DeleteObject(font_);
    font_ = font;
  }

 private:
  HFONT font_ = nullptr;
};

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
  HDC dc_ = nullptr;  // a memory DC holding the font
  HFONT font_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  TFontHandle underlined_;  // the font underlined, made on first use
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
