#include "skin/controls/labels/label_fx.h"

#include <algorithm>

#include "base/win_handles.h"
#include "skin/data/binding/skin_commands.h"
#include "skin/paint/bitmap32_win.h"
#include "skin/paint/fills.h"
#include "skin/paint/gdi_win.h"
#include "skin/win/skin_manager.h"

void TsKind::SetKindType(TsKindType Value) {
  if (Value == FKindType) return;
  FKindType = Value;
  FOwner.Invalidate();
}

void TsKind::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  FOwner.Invalidate();
}

void TsShadow::Moved() {
  FOwner.UpdatePosition();
  FOwner.Invalidate();
}

void TsShadow::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  FOwner.Invalidate();
}

void TsShadow::SetBlurCount(int Value) {
  Value = std::max(0, Value);
  if (Value == FBlurCount) return;
  FBlurCount = Value;
  Moved();
}

void TsShadow::SetDistance(int Value) {
  if (Value == FDistance) return;
  FDistance = Value;
  Moved();
}

void TsShadow::SetMode(TsShadowMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  Moved();
}

void TsShadow::SetAlphaValue(int Value) {
  Value = std::clamp(Value, 0, 255);
  if (Value == FAlphaValue) return;
  FAlphaValue = Value;
  FOwner.Invalidate();
}

TsLabelFX::TsLabelFX(TComponent* AOwner) : TsLabel(AOwner) {
  FOffsetKeeper = ShadowExtent(CurrentShadowData());
}

TColor TsLabelFX::CurrentFontColor() const {
  switch (Kind.GetKindType()) {
    case ktStandard: return ColorToRGB(GetFont().GetColor());
    case ktCustom: return Kind.GetColor();
    case ktSkin: break;
  }
  if (!SkinActive()) return Kind.GetColor();
  const TsSkinModel& model = GetSkinManager()->Model;
  if (!GetSkinSection().empty()) {
    const int index = model.GetSkinIndex(GetSkinSection());
    if (model.IsValidSkinIndex(index)) return model.gd[static_cast<size_t>(index)].Props[0].FontColor[0];
  }
  const int global = model.GetSkinIndex("GLOBALINFO");
  if (model.IsValidSkinIndex(global)) {
    const TColor contour = model.gd[static_cast<size_t>(global)].Props[0].FontColor[1];
    if (contour != static_cast<TColor>(-1)) return contour;
  }
  return Kind.GetColor();
}

TacShadowData TsLabelFX::CurrentShadowData() const {
  const TacShadowData own{ColorToRGB(Shadow.GetColor()), Shadow.GetBlurCount(), Shadow.GetDistance(),
                          Shadow.GetAlphaValue()};
  switch (Shadow.GetMode()) {
    case smNone: return {0, 0, 0, 0};
    case smCustom: return own;
    case smSkin1: break;
  }
  if (!SkinActive()) return own;
  const TsSkinData& skin = GetSkinManager()->Model.SkinData;
  if (skin.Shadow1Blur == -1) return own;
  return {ColorToRGB(static_cast<TColor>(skin.Shadow1Color)), skin.Shadow1Blur, skin.Shadow1Offset,
          Shadow.GetAlphaValue()};
}

void TsLabelFX::SetAngle(int Value) {
  if (Value == FAngle) return;
  FAngle = Value;
  if (Value != 0) FWordWrap = false;
  if (FAutoSize) AdjustBounds();
  else Invalidate();
}

void TsLabelFX::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  Invalidate();
}

void TsLabelFX::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  if (Value) AdjustBounds();
}

void TsLabelFX::SetLayout(TTextLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TsLabelFX::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Invalidate();
}

void TsLabelFX::Invalidate() {
  if (FWordWrap && FAngle != 0) FAngle = 0;
  TsLabel::Invalidate();
}

void TsLabelFX::TextChanged() {
  TsLabel::TextChanged();
  if (FAutoSize) AdjustBounds();
}

void TsLabelFX::BoundsChanged() {
  TsLabel::BoundsChanged();
  if (!FAdjusting) FOffsetKeeper = ShadowExtent(CurrentShadowData());
}

void TsLabelFX::UpdatePosition() {
  if (IsLoading()) return;
  const TacShadowExtent now = ShadowExtent(CurrentShadowData());
  if (now == FOffsetKeeper) return;
  FAdjusting = true;
  AdjustBounds();
  FOffsetKeeper = now;
  FAdjusting = false;
}

UINT TsLabelFX::TextFlags() const {
  return DT_NOCLIP | (GetShowAccelChar() ? 0 : DT_NOPREFIX) | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE);
}

SIZE TsLabelFX::MeasureText(HDC DC, int Limit) const {
  std::wstring text = GetCaption();
  if (text.empty() || (GetShowAccelChar() && text == L"&")) text += L' ';
  const TSelectObject font(DC, GetFont().GetHandle());
  RECT rect{0, 0, Limit, 0};
  DrawTextW(DC, text.c_str(), static_cast<int>(text.size()), &rect, TextFlags() | DT_CALCRECT | DT_EXPANDTABS);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void TsLabelFX::AdjustBounds() {
  if (IsLoading()) return;
  const bool adjusting = FAdjusting;
  FAdjusting = true;
  TacFxBoundsInput in;
  in.Bounds = {GetLeft(), GetTop(), GetLeft() + GetWidth(), GetTop() + GetHeight()};
  in.Old = FOffsetKeeper;
  in.Now = ShadowExtent(CurrentShadowData());
  in.AutoSize = FAutoSize;
  in.Alignment = GetAlignment();
  in.Layout = FLayout;
  if (FAutoSize) {
    const TClientDC screen(nullptr);
    const SIZE text = MeasureText(screen.Get(), FWordWrap ? std::max(1, GetWidth()) : 0x7FFFFFF);
    const TacRotatedBox box = RotatedTextBox(text.cx, text.cy, FAngle);
    in.BoxWidth = box.Width;
    in.BoxHeight = box.Height;
  }
  const TRect bounds = FxAdjustBounds(in);
  SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  FOffsetKeeper = in.Now;
  FAdjusting = adjusting;
  TsLabel::Invalidate();
}

void TsLabelFX::WndProc(TMessage& Message) {
  TsLabel::WndProc(Message);
  if (Message.Msg != SM_ALPHACMD || IsDestroying()) return;
  const int code = AcmCode(Message.WParam);
  if (code == acmNewSkin || code == acmRemoveSkin) UpdatePosition();
}

void TsLabelFX::DrawTextAt(HDC DC, const TRect& Rect, const TacRotatedBox& Box, TColor Color) const {
  std::wstring text = GetCaption();
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(Color));
  if (FAngle == 0) {
    const TSelectObject font(DC, GetFont().GetHandle());
    RECT rect{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    DrawTextW(DC, text.c_str(), static_cast<int>(text.size()), &rect, TextFlags() | kAlign[GetAlignment()]);
    return;
  }
  LOGFONTW log{};
  GetObjectW(GetFont().GetHandle(), sizeof log, &log);
  log.lfEscapement = log.lfOrientation = FAngle * 10;
  const TOwnedFont turned(CreateFontIndirectW(&log));
  const TSelectObject font(DC, turned.Get());
  ExtTextOutW(DC, Rect.Left + Box.OffsetX, Rect.Top + Box.OffsetY, 0, nullptr, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
}

void TsLabelFX::Paint(TCanvas& Canvas) {
  const TacShadowData shadow = CurrentShadowData();
  if (Shadow.GetMode() == smNone && GetSkinSection().empty()) return TsLabel::Paint(Canvas);
  HDC dc = Canvas.GetHandle();
  const int width = GetWidth(), height = GetHeight();
  if (width <= 0 || height <= 0) return;
  const TacShadowExtent extent = ShadowExtent(shadow);
  const SIZE text = MeasureText(dc, width);
  const TacRotatedBox box = RotatedTextBox(text.cx, text.cy, FAngle);
  const TRect rect = FxTextRect({0, 0, width, height}, box.Width, box.Height, extent, shadow.Distance,
                                GetAlignment(), FLayout);
  if (!GetEnabled()) {  // embossed, no shadow
    DrawTextAt(dc, {rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1}, box, clSystemColor | COLOR_BTNHIGHLIGHT);
    DrawTextAt(dc, rect, box, clSystemColor | COLOR_BTNSHADOW);
    return;
  }
  const TColor color = CurrentFontColor();
  if (Shadow.GetColor() == clNone || shadow.Blur <= 0) return DrawTextAt(dc, rect, box, color);
  if (FShadowBitmap.Width() != width || FShadowBitmap.Height() != height) FShadowBitmap = TBitmap32(width, height);
  if (FShadowBitmap.Empty()) return DrawTextAt(dc, rect, box, color);
  FillRect32(FShadowBitmap, {0, 0, width, height}, 0, 255);
  {
    const TOwnedMemoryDC memory(CreateCompatibleDC(dc));
    const TSelectObject selected(memory.Get(), BitmapHandle(FShadowBitmap));
    const int d = shadow.Distance;
    DrawTextAt(memory.Get(), {rect.Left + d, rect.Top + d, rect.Right + d, rect.Bottom + d}, box, clWhite);
    GdiFlush();
    FMaskBuffer.Reset(width, height);
    FMaskBuffer.Blur(FShadowBitmap, shadow.Blur);
    if (FTransparent) {
      BitBlt(memory.Get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);  // what lies behind the label
      GdiFlush();
    }
  }
  ComposeShadow(FShadowBitmap, FMaskBuffer, shadow, FTransparent, ColorToRGB(GetColor()));
  CopyToDC(FShadowBitmap, {0, 0}, dc, {0, 0, width, height});
  DrawTextAt(dc, rect, box, color);
}
