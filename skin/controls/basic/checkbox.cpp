#include "skin/controls/basic/checkbox.h"

#include <algorithm>

#include "framework/text.h"
#include "skin/controls/basic/control_paint.h"
#include "skin/paint/focus_rect.h"
#include "skin/paint/items/paint_item.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/paint/pixel_changes.h"
#include "skin/win/skin_manager.h"

TsCheckBox::TsCheckBox(TComponent* AOwner) : TCheckBox(AOwner), SkinData(this, true) {
  SkinData.ControlKind = kCheckBoxKind;
  SkinData.OwnerClassName = "TsCheckBox";
  SkinData.Loaded();  // made in code: ready as soon as made
}

void TsCheckBox::Loaded() {
  TCheckBox::Loaded();
  SkinData.Loaded();
  AdjustSize();
}

void TsCheckBox::CreateWnd() {
  // The framework's check box sets the window's check from its own field:
  // the state kept here wins once the window is there.
  const TCheckBoxState state = FState;
  FCreating = true;
  TCheckBox::CreateWnd();
  FCreating = false;
  FState = state;
  UpdateButtonStyle(state);
  if (HandleAllocated()) SendMessageW(GetHandle(), BM_SETCHECK, static_cast<WPARAM>(state), 0);
  AdjustSize();
}

bool TsCheckBox::Ready() {
  return HandleAllocated() && GetParent() && !IsLoading() && !IsDestroying();
}

void TsCheckBox::SetAllowGrayed(bool Value) {
  FAllowGrayed = Value;
  UpdateButtonStyle(FState);
}

void TsCheckBox::UpdateButtonStyle(TCheckBoxState Shown) {
  if (!HandleAllocated()) return;
  const LONG_PTR style = GetWindowLongPtrW(GetHandle(), GWL_STYLE);
  const LONG_PTR type = FAllowGrayed || Shown == cbGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
  if ((style & BS_TYPEMASK) != type) SendMessageW(GetHandle(), BM_SETSTYLE, (style & ~BS_TYPEMASK) | type, FALSE);
}

void TsCheckBox::SetState(TCheckBoxState Value) {
  if (Value == FState) return;
  if (HandleAllocated()) {
    UpdateButtonStyle(Value);
    SendMessageW(GetHandle(), BM_SETCHECK, static_cast<WPARAM>(Value), 0);
    return;
  }
  FState = Value;
  if (OnValueChanged) OnValueChanged(this);
}

void TsCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
  // The click notification, as the system's check box sends it: the parent
  // reflects it back, and the framework's handling raises OnClick.
  if (HandleAllocated() && GetParent() && GetParent()->HandleAllocated()) {
    HWND window = GetHandle();
    SendMessageW(GetParent()->GetHandle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
  } else {
    Click();
  }
}

void TsCheckBox::SetShowFocus(bool Value) {
  if (Value == FShowFocus) return;
  FShowFocus = Value;
  Repaint();
}

void TsCheckBox::SetMargin(int Value) {
  if (Value == FMargin) return;
  FMargin = Value;
  AdjustSize();
  Repaint();
}

void TsCheckBox::SetTextIndent(int Value) {
  if (Value == FTextIndent) return;
  FTextIndent = Value;
  AdjustSize();
  Repaint();
}

void TsCheckBox::SetVerticalAlign(TvaAlign Value) {
  if (Value == FVerticalAlign) return;
  FVerticalAlign = Value;
  Repaint();
}

void TsCheckBox::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Repaint();
}

void TsCheckBox::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  FAutoSize = false;
  Repaint();
}

void TsCheckBox::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  AdjustSize();
}

void TsCheckBox::TextChanged() {
  TCheckBox::TextChanged();
  AdjustSize();
  Repaint();
}

void TsCheckBox::FontChanged() {
  TCheckBox::FontChanged();
  AdjustSize();
  Repaint();
}

int TsCheckBox::SkinGlyphIndex(TCheckBoxState State) const {
  const TsSkinManager* manager = SkinData.GetSkinManager();
  return CheckGlyphIndex(manager ? &manager->Model : nullptr, ckBox, State);
}

SIZE TsCheckBox::GlyphSize() const {
  const int index = SkinGlyphIndex(cbChecked);
  return CheckGlyphSize(SkinData.Skinned() ? &SkinData.GetSkinManager()->Model : nullptr, index);
}

TRect TsCheckBox::BoxRect(SIZE Glyph) const {
  int y = 0;
  if (FVerticalAlign == vaMiddle) y = (GetHeight() - Glyph.cy) / 2;
  if (FVerticalAlign == vaBottom) y = GetHeight() - Glyph.cy;
  const int x = FAlignment == taRightJustify ? FMargin : GetWidth() - Glyph.cx - FMargin;
  return {x, y, x + Glyph.cx, y + Glyph.cy};
}

int TsCheckBox::PaintState() const {
  if (FPressed) return 2;
  return SkinData.ControlIsActive() && !FReadOnly ? 1 : 0;
}

SIZE TsCheckBox::AutoSizeExtent() {
  const std::string caption = AnsiFromWide(GetText());
  const UINT format = FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  const RECT text = caption.empty() ? RECT{} : MeasureText(GetFont().GetHandle(), caption, {0, 0, GetWidth(), 0}, format);
  const int tw = text.right - text.left, th = text.bottom - text.top;
  if (!SkinData.Skinned(true)) return {tw + 20, std::max(th + 4, 20)};
  const SIZE box = GlyphSize();
  return {box.cx + 2 * FMargin + (caption.empty() ? 0 : tw + FTextIndent + 8),
          std::max<int>(box.cy, (caption.empty() ? 0 : th) + 2 * FMargin) + 2};
}

void TsCheckBox::AdjustSize() {
  if (!FAutoSize || IsLoading() || IsDestroying()) return;
  const SIZE size = AutoSizeExtent();
  if (size.cx != GetWidth() || size.cy != GetHeight()) SetBounds(GetLeft(), GetTop(), size.cx, size.cy);
}

void TsCheckBox::Repaint() {
  SkinData.BackgroundChanged = true;
  if (HandleAllocated()) InvalidateRect(GetHandle(), nullptr, FALSE);
}

void TsCheckBox::Default(TMessage& Message) { TCheckBox::WndProc(Message); }

void TsCheckBox::DefaultUnseen(TMessage& Message) {
  CallDefaultUnseen(GetHandle(), [&] { Default(Message); });
}

bool TsCheckBox::PrepareCache() {
  SkinData.InitCacheBmp();
  TBitmap32& cache = *SkinData.CacheBitmap;
  if (cache.Empty()) return false;
  const std::optional<TCacheInfo> parent = ParentBackground(*this);
  if (!parent) {
    SkinData.UpdatingMark = true;
    return false;
  }
  PaintItem(&SkinData.GetSkinManager()->Model, SkinData.SkinIndex, *parent, PaintState(),
            {0, 0, cache.Width(), cache.Height()}, {0, 0}, cache,
            {SkinData.ColorTone, SkinData.HUEOffset, SkinData.Saturation},
            {SkinData.TextureIndex, SkinData.HotTextureIndex});
  DrawCheckText();
  DrawCheckArea();
  if (!GetEnabled()) BmpDisabledKind(cache, dkBlended, GetColor(), {0, 0}, *parent);
  SkinData.BackgroundChanged = false;
  SkinData.CachedAt = {GetLeft(), GetTop()};
  return true;
}

void TsCheckBox::DrawCheckText() {
  const std::string caption = AnsiFromWide(GetText());
  if (caption.empty()) return;
  TBitmap32& cache = *SkinData.CacheBitmap;
  const int cw = GlyphSize().cx;
  const int width = GetWidth(), height = GetHeight();
  const int w = width - cw - FTextIndent - 2 * FMargin - 2;
  const UINT wrap = FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  const RECT measured = MeasureText(GetFont().GetHandle(), caption, {0, 0, w, 0}, wrap);
  const int th = measured.bottom - measured.top, tw = measured.right - measured.left;
  const int top = std::max((height - th) / 2, FMargin);
  TRect rect{FMargin, top, w + FMargin, top + th};  // caption left of the box
  if (FAlignment == taRightJustify) {
    rect.Left = width - w - FMargin + 2;
    rect.Right = rect.Left + tw;
  }
  rect.Top -= 1;
  rect.Bottom -= 1;
  if (FWordWrap) {
    rect.Left -= 1;
    rect.Right -= 1;
  }
  const int state = PaintState();
  TsGdiTextRasteriser raster(GetFont().GetHandle());
  WriteTextEx(cache, caption, GetEnabled(), state > 0, CaptionSkinOf(SkinData, *this, state, &FGlow), wrap, rect,
              ColorToRGB(GetFont().GetColor()), raster);
  if (!Focused() || !FShowFocus) return;
  if (!FWordWrap) rect.Bottom -= 1;
  rect.Top += 1;
  rect = {rect.Left - 2, rect.Top - 1, rect.Right + 2, rect.Bottom + 1};
  const TsGeneralData* section = SkinData.Section();
  const TsGenState* props = section ? SkinData.StateProps(std::min(1, section->States)) : nullptr;
  if (props) FocusRect(cache, rect, ColorToRGB(props->FontColor[0]));
}

void TsCheckBox::DrawCheckArea() {
  TBitmap32& cache = *SkinData.CacheBitmap;
  const TsSkinModel& skin = SkinData.GetSkinManager()->Model;
  const int index = SkinGlyphIndex(FState);
  if (index < 0) return;  // no box, the caption stays
  const TRect box = BoxRect(CheckGlyphSize(&skin, index));
  DrawCheckGlyph(cache, skin, index, {box.Left, box.Top}, PaintState());
}

void TsCheckBox::PaintHandler(HDC DC) {
  PAINTSTRUCT ps{};
  HDC target = DC ? DC : BeginPaint(GetHandle(), &ps);
  if (!SkinData.InUpdating(true) && (!SkinData.CacheIsStale() || PrepareCache())) CopyCacheToDC(SkinData, target);
  if (!DC) EndPaint(GetHandle(), &ps);
}

bool TsCheckBox::SkinCommand(TMessage& Message) {
  switch (AcmCode(Message.WParam)) {
    case acmRemoveSkin:
      CommonMessage(Message, &SkinData);
      AdjustSize();
      if (HandleAllocated()) RedrawWindow(GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return true;
    case acmRefresh:
    case acmNewSkin:
      CommonMessage(Message, &SkinData);
      AdjustSize();
      Repaint();
      return true;
    case acmPrepareCache:
      PrepareCache();
      return true;
    case acmParentUpdated:
      if (SkinData.UpdatingMark || SkinData.Marked) Repaint();
      return CommonMessage(Message, &SkinData);
    default: return CommonMessage(Message, &SkinData);
  }
}

bool TsCheckBox::SkinnedInput(TMessage& Message) {
  const bool space = Message.WParam == VK_SPACE;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
      if ((Message.Msg == WM_KEYDOWN && !space) || !GetEnabled()) return false;
      if (FReadOnly) return true;
      FPressed = true;
      if (!Focused()) SetFocus();
      Repaint();
      return true;
    case WM_LBUTTONUP:
    case WM_KEYUP:
      if ((Message.Msg == WM_KEYUP && !space) || !GetEnabled()) return false;
      if (FReadOnly) return true;
      if (std::exchange(FPressed, false))
        Toggle();
      else
        Repaint();
      return true;
    default: return false;
  }
}

void TsCheckBox::UnskinnedWndProc(TMessage& Message) {
  // Read-only: the system's check box never sees what would change its state.
  if (FReadOnly) switch (Message.Msg) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
      case WM_LBUTTONUP: return;
      case WM_KEYDOWN:
      case WM_KEYUP:
      case WM_CHAR:
        if (Message.WParam == VK_SPACE) return;
        break;
      default: break;
    }
  if (Message.Msg != SM_ALPHACMD || !CommonWndProc(Message, &SkinData)) Default(Message);
}

void TsCheckBox::WndProc(TMessage& Message) {
  if (Message.Msg == SM_ALPHACMD && SkinCommand(Message)) return;
  // Screen readers learn what the control is, skinned or not.
  if (Message.Msg == WM_GETOBJECT && CommonWndProc(Message, &SkinData)) return;
  const bool skinned = Ready() && SkinData.Skinned(true);
  if (Message.Msg == BM_SETCHECK) {
    const TCheckBoxState old = FState;
    if (!FCreating) FState = CheckStateOf(Message.WParam);
    if (skinned) {
      DefaultUnseen(Message);
      Repaint();
    } else {
      Default(Message);
    }
    if (old != FState && OnValueChanged) OnValueChanged(this);
    return;
  }
  if (Message.Msg == CN_COMMAND && HIWORD(Message.WParam) == BN_CLICKED && !skinned) {
    // The system's check box toggled itself: take its check before the click goes on.
    const TCheckBoxState old = std::exchange(FState, CheckStateOf(SendMessageW(GetHandle(), BM_GETCHECK, 0, 0)));
    if (old != FState && OnValueChanged) OnValueChanged(this);
  }
  if (!skinned) return UnskinnedWndProc(Message);
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      CommonWndProc(Message, &SkinData);
      if (Message.Msg == WM_KILLFOCUS) FPressed = SkinData.MouseAbove = false;
      DefaultUnseen(Message);
      Repaint();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      CommonWndProc(Message, &SkinData);
      if (Message.Msg == CM_MOUSELEAVE) FPressed = false;  // a press left behind never toggles
      Repaint();
      return;
    default: break;
  }
  if (SkinnedInput(Message) || CommonWndProc(Message, &SkinData)) return;
  switch (Message.Msg) {
    case WM_PAINT: PaintHandler(reinterpret_cast<HDC>(Message.WParam)); Message.Result = 0; return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      SkinData.UpdatingMark = false;
      PaintHandler(reinterpret_cast<HDC>(Message.WParam));
      return;
    case WM_ERASEBKGND:
      if (Message.WParam && !SkinData.CacheIsStale()) CopyCacheToDC(SkinData, reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    case WM_NCPAINT: return;
    case WM_ENABLE: Repaint(); return;  // the system's button would paint itself
    case BM_SETSTATE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_UPDATEUISTATE:
      DefaultUnseen(Message);
      Repaint();
      return;
    default: Default(Message);
  }
}
