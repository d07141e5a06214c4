#include "framework/graphics.h"

void TFont::SetName(std::wstring Value) {
  if (Value == FName) return;
  FName = std::move(Value);
  Changed();
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  if (OnChange) OnChange();  // the GDI font does not carry the colour
}

void TFont::SetStyle(unsigned Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TFont::Assign(const TFont& Source) {
  FName = Source.FName;
  FHeight = Source.FHeight;
  FColor = Source.FColor;
  FStyle = Source.FStyle;
  Changed();
}

void TFont::Changed() {
  FHandle.Reset();
  if (OnChange) OnChange();
}

HFONT TFont::GetHandle() const {
  if (!FHandle) {
    LOGFONTW font{};
    font.lfHeight = FHeight;
    font.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (FStyle & fsItalic) ? TRUE : FALSE;
    font.lfUnderline = (FStyle & fsUnderline) ? TRUE : FALSE;
    font.lfStrikeOut = (FStyle & fsStrikeOut) ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, FName.c_str(), LF_FACESIZE);
    FHandle.Reset(CreateFontIndirectW(&font));
  }
  return FHandle.Get();
}

void TIcon::Assign(HICON Source) { FHandle.Reset(Source ? CopyIcon(Source) : nullptr); }

void TCanvas::FillRect(const RECT& Rect, TColor Color) {
  SetDCBrushColor(FDC, ColorToRGB(Color));
  ::FillRect(FDC, &Rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void TCanvas::DrawTextIn(const std::wstring& Text, RECT Rect, const TFont& Font, UINT Format) {
  TSelectObject font(FDC, Font.GetHandle());
  SetBkMode(FDC, TRANSPARENT);
  SetTextColor(FDC, ColorToRGB(Font.GetColor()));
  DrawTextW(FDC, Text.c_str(), static_cast<int>(Text.size()), &Rect, Format);
}
