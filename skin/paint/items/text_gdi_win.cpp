#include "skin/paint/items/text_gdi_win.h"

#include <climits>

#include "skin/data/system_text_win.h"
#include "skin/paint/bitmap32_win.h"
#include "skin/paint/text_format.h"

// The portable names of the format flags are DrawText's own.
static_assert(kDtLeft == DT_LEFT && kDtCenter == DT_CENTER && kDtRight == DT_RIGHT && kDtVCenter == DT_VCENTER);
static_assert(kDtWordBreak == DT_WORDBREAK && kDtSingleLine == DT_SINGLELINE && kDtExpandTabs == DT_EXPANDTABS);
static_assert(kDtNoClip == DT_NOCLIP && kDtCalcRect == DT_CALCRECT && kDtNoPrefix == DT_NOPREFIX);
static_assert(kDtEndEllipsis == DT_END_ELLIPSIS && kDtRtlReading == DT_RTLREADING && kDtHidePrefix == DT_HIDEPREFIX);

namespace {

// Texts arrive in the system code page; the system's wide calls draw them.
int LengthOf(const std::wstring& text) { return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size()); }

int DrawSystemText(HDC dc, std::string_view text, RECT& rect, unsigned format) {
  const std::wstring wide = WideOfSystemText(text);
  return DrawTextW(dc, wide.c_str(), LengthOf(wide), &rect, format);
}

}  // namespace

TsGdiTextRasteriser::TsGdiTextRasteriser(HFONT font)
    : dc_(CreateCompatibleDC(nullptr)), font_(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {
  if (dc_) oldFont_ = SelectObject(dc_.Get(), font_);
}

void TsGdiTextRasteriser::SetUnderline(bool underline) {
  if (!dc_) return;
  if (underline && !underlined_.Get()) {
    LOGFONTW lf{};
    if (GetObjectW(font_, sizeof lf, &lf) == 0) return;
    lf.lfUnderline = TRUE;
    underlined_.Reset(CreateFontIndirectW(&lf));
  }
  SelectObject(dc_.Get(), underline && underlined_.Get() ? underlined_.Get() : font_);
}

TsGdiTextRasteriser::~TsGdiTextRasteriser() {
  if (dc_) SelectObject(dc_.Get(), oldFont_);
}

void TsGdiTextRasteriser::DrawBlack(TBitmap32& bmp, std::string_view text, const TRect& rect, unsigned format) {
  if (!dc_ || bmp.Empty() || text.empty()) return;
  HDC dc = dc_.Get();
  const TSelectObject selected(dc, BitmapHandle(bmp));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  DrawSystemText(dc, text, r, format);
  GdiFlush();
}

int TsGdiTextRasteriser::TextWidth(std::string_view text) { return dc_ ? acTextWidth(dc_.Get(), text) : 0; }

int acDrawText(HDC dc, std::string_view text, RECT& rect, unsigned format) { return DrawSystemText(dc, text, rect, format); }

void acWriteText(HDC dc, std::string_view text, int x, int y) {
  const std::wstring wide = WideOfSystemText(text);
  TextOutW(dc, x, y, wide.c_str(), LengthOf(wide));
}

SIZE acTextExtent(HDC dc, std::string_view text) {
  SIZE size{0, 0};
  const std::wstring wide = WideOfSystemText(text);
  GetTextExtentPoint32W(dc, wide.c_str(), LengthOf(wide), &size);
  return size;
}

int acTextWidth(HDC dc, std::string_view text) { return acTextExtent(dc, text).cx; }

int acTextHeight(HDC dc, std::string_view text) { return acTextExtent(dc, text).cy; }

RECT acTextRect(HDC dc, std::string_view text, RECT rect, unsigned format) {
  DrawSystemText(dc, text, rect, format | DT_CALCRECT);
  return rect;
}

TsGdiTextMeasurer::TsGdiTextMeasurer(HFONT font)
    : dc_(CreateCompatibleDC(nullptr)), selected_(dc_.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT)) {}

TSize TsGdiTextMeasurer::MeasureText(std::string_view text, const TRect& start, unsigned format) {
  if (!dc_ || text.empty()) return {};
  const RECT rect = acTextRect(dc_.Get(), text, {start.Left, start.Top, start.Right, start.Bottom}, format);
  return {static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}
