#include "skin/paint/items/text_gdi_win.h"

#include <climits>

#include "skin/paint/bitmap32_win.h"

namespace {

int LengthOf(std::string_view text) { return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size()); }

// A bitmap selected into a DC for the length of a scope.
class TSelected {
 public:
  TSelected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  TSelected(const TSelected&) = delete;
  TSelected& operator=(const TSelected&) = delete;
  ~TSelected() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

TsGdiTextRasteriser::TsGdiTextRasteriser(HFONT font)
    : dc_(CreateCompatibleDC(nullptr)), font_(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {
  if (dc_) oldFont_ = SelectObject(dc_, font_);
}

void TsGdiTextRasteriser::SetUnderline(bool underline) {
  if (!dc_) return;
  if (underline && !underlined_.Get()) {
    LOGFONTA lf{};
    if (GetObjectA(font_, sizeof lf, &lf) == 0) return;
    lf.lfUnderline = TRUE;
    underlined_.Reset(CreateFontIndirectA(&lf));
  }
  SelectObject(dc_, underline && underlined_.Get() ? underlined_.Get() : font_);
}

TsGdiTextRasteriser::~TsGdiTextRasteriser() {
  if (!dc_) return;
  SelectObject(dc_, oldFont_);
  DeleteDC(dc_);
}

void TsGdiTextRasteriser::DrawBlack(TBitmap32& bmp, std::string_view text, const TRect& rect, unsigned format) {
  if (!dc_ || bmp.Empty() || text.empty()) return;
  const TSelected selected(dc_, BitmapHandle(bmp));
  SetTextColor(dc_, RGB(0, 0, 0));
  SetBkMode(dc_, TRANSPARENT);
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  DrawTextA(dc_, text.data(), LengthOf(text), &r, format);
  GdiFlush();
}

int TsGdiTextRasteriser::TextWidth(std::string_view text) { return dc_ ? acTextWidth(dc_, text) : 0; }

int acDrawText(HDC dc, std::string_view text, RECT& rect, unsigned format) {
  return DrawTextA(dc, text.data(), LengthOf(text), &rect, format);
}

void acWriteText(HDC dc, std::string_view text, int x, int y) { TextOutA(dc, x, y, text.data(), LengthOf(text)); }

SIZE acTextExtent(HDC dc, std::string_view text) {
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.data(), LengthOf(text), &size);
  return size;
}

int acTextWidth(HDC dc, std::string_view text) { return acTextExtent(dc, text).cx; }

int acTextHeight(HDC dc, std::string_view text) { return acTextExtent(dc, text).cy; }

RECT acTextRect(HDC dc, std::string_view text, RECT rect, unsigned format) {
  DrawTextA(dc, text.data(), LengthOf(text), &rect, format | DT_CALCRECT);
  return rect;
}
