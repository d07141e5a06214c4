#include "skin/controls/basic/edit.h"

#include <algorithm>

#include "base/win_handles.h"
#include "framework/text.h"
#include "skin/controls/basic/control_paint.h"
#include "skin/controls/basic/edit_label.h"
#include "skin/data/binding/control_kinds.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/hsv.h"
#include "skin/paint/items/paint_item.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/paint/pixel_changes.h"
#include "skin/win/skin_manager.h"

TsEdit::TsEdit(TComponent* AOwner)
    : TEdit(AOwner),
      SkinData(this, true),
      BoundLabel(this, [](TControl* Owner, TsBoundLabel& Bound) { return new TsEditLabel(Owner, &Bound); }) {
  SkinData.ControlKind = kEditKind;
  SkinData.OwnerClassName = "TsEdit";
  SkinData.Loaded();  // made in code: ready as soon as made
}

void TsEdit::Loaded() {
  TEdit::Loaded();
  SkinData.Loaded();
}

void TsEdit::CreateWnd() {
  TEdit::CreateWnd();
  SkinData.UpdateControlColors(false);
}

bool TsEdit::Ready() { return HandleAllocated() && GetParent() && !IsLoading() && !IsDestroying(); }

int TsEdit::BorderWidth() const {
  if (!HandleAllocated()) return 0;
  HWND window = const_cast<TsEdit*>(this)->GetHandle();
  RECT outer, client;
  GetWindowRect(window, &outer);
  ::GetClientRect(window, &client);
  return std::max(0, static_cast<int>((outer.right - outer.left) - client.right) / 2);
}

std::wstring TsEdit::ShownText() const {
  const std::wstring text = GetText();
  if (!GetPasswordChar()) return text;
  return std::wstring(text.size(), GetPasswordChar());
}

void TsEdit::PaintText(TBitmap32& Cache, bool Active) {
  const std::string text = AnsiFromWide(ShownText());
  if (text.empty()) return;
  const int b = BorderWidth(), a = 1;
  const TRect rect{b + a, b + a, GetWidth() - b - a, GetHeight() - b};
  TsGdiTextRasteriser raster(GetFont().GetHandle());
  WriteTextEx(Cache, text, GetEnabled(), Active, CaptionSkinOf(SkinData, *this, Active ? 1 : 0, &FGlow),
              DT_SINGLELINE | DT_NOPREFIX, rect, ColorToRGB(GetFont().GetColor()), raster);
}

bool TsEdit::PrepareCache() {
  const std::optional<TCacheInfo> parent = ParentBackground(*this);
  if (!parent) return false;
  SkinData.InitCacheBmp();
  TBitmap32& cache = *SkinData.CacheBitmap;
  if (cache.Empty()) return false;
  ++FCacheBuilds;
  const bool active = SkinData.ControlIsActive();
  PaintItem(&SkinData.GetSkinManager()->Model, SkinData.SkinIndex, *parent, active ? 1 : 0,
            {0, 0, cache.Width(), cache.Height()}, {0, 0}, cache,
            {SkinData.ColorTone, SkinData.HUEOffset, SkinData.Saturation},
            {SkinData.TextureIndex, SkinData.HotTextureIndex});
  PaintText(cache, active);
  if (!GetEnabled()) BmpDisabledKind(cache, DisabledKind, GetColor(), {0, 0}, *parent);
  SkinData.BackgroundChanged = false;
  SkinData.CachedAt = {GetLeft(), GetTop()};
  return true;
}

void TsEdit::OurPaint(HDC DC) {
  PAINTSTRUCT ps{};
  HDC target = DC ? DC : BeginPaint(GetHandle(), &ps);
  if (!SkinData.InUpdating(true)) {
    if (SkinData.CacheIsStale() && !PrepareCache())
      SkinData.UpdatingMark = true;
    else if (SkinData.CacheBitmap) {
      // The client part of the whole-window picture.
      const int b = BorderWidth();
      const RECT client = GetClientRect();
      CopyToDC(*SkinData.CacheBitmap, {b, b}, target, {0, 0, client.right, client.bottom});
    }
  }
  if (!DC) EndPaint(GetHandle(), &ps);
}

void TsEdit::PaintBorder() {
  if (SkinData.InUpdating(true)) return;
  if (SkinData.CacheIsStale() && !PrepareCache()) {
    SkinData.UpdatingMark = true;
    return;
  }
  HWND window = GetHandle();
  const TWindowDC dc(window);
  if (!dc.Get() || !SkinData.CacheBitmap) return;
  const TBitmap32& cache = *SkinData.CacheBitmap;
  const int b = BorderWidth(), w = cache.Width(), h = cache.Height();
  for (const TRect& strip : {TRect{0, 0, w, b}, TRect{0, h - b, w, h}, TRect{0, b, b, h - b}, TRect{w - b, b, w, h - b}})
    CopyToDC(cache, {strip.Left, strip.Top}, dc.Get(), strip);
}

void TsEdit::ApplyStateColors(bool Gained) {
  const TsGeneralData* section = SkinData.Section();
  if (!section) return;
  const bool active = SkinData.ControlIsActive();
  if (Gained && (!active || section->States < 2)) return;  // one look only: nothing changes
  if (!Gained && active) return;
  const TColor oldColor = GetColor();
  if (active) {
    const TsGenState& hot = *SkinData.StateProps(1);
    auto shifted = [&](TColor color) {
      return ChangeSaturation(ChangeHue(SkinData.HUEOffset, ColorToRGB(color)), SkinData.Saturation);
    };
    if (!SkinData.CustomColor) SetColor(shifted(hot.Color));
    if (!SkinData.CustomFont) GetFont().SetColor(shifted(hot.FontColor[0]));
  } else {
    SkinData.UpdateControlColors(false);
  }
  SkinData.BackgroundChanged = true;
  if (GetColor() != oldColor) InvalidateRect(GetHandle(), nullptr, TRUE);
  SendMessageW(GetHandle(), WM_NCPAINT, 1, 0);
}

void TsEdit::Refresh() {
  SkinData.BackgroundChanged = true;
  RedrawWindow(GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

bool TsEdit::SkinCommand(TMessage& Message) {
  switch (AcmCode(Message.WParam)) {
    case acmRefresh:
      CommonMessage(Message, &SkinData);
      if (HandleAllocated() && IsWindowVisible(GetHandle())) Refresh();
      return true;
    case acmChildBgChanged:
      Message.Result = 0;
      return true;
    case acmGetBgColor:
      if (SkinData.Skinned()) return CommonMessage(Message, &SkinData);
      Message.Result = static_cast<LRESULT>(ColorToRGB(GetColor()));
      return true;
    case acmPrepareCache:
      PrepareCache();
      return true;
    default: return CommonMessage(Message, &SkinData);
  }
}

void TsEdit::WndProc(TMessage& Message) {
  EditWndProc(Message);
  if (!IsDestroying()) BoundLabel.HandleOwnerMsg(Message);
}

void TsEdit::EditWndProc(TMessage& Message) {
  if (Message.Msg == SM_ALPHACMD && SkinCommand(Message)) return;
  // Screen readers learn what the control is, skinned or not.
  if (Message.Msg == WM_GETOBJECT && CommonWndProc(Message, &SkinData)) return;
  if (!Ready() || !SkinData.Skinned(true)) return TEdit::WndProc(Message);
  const bool active = GetEnabled() && SkinData.ControlIsActive();
  switch (Message.Msg) {
    case WM_NCPAINT: PaintBorder(); Message.Result = 0; return;
    case WM_PAINT:
      if (active) break;  // the system's edit paints caret, selection and text
      OurPaint(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 0;
      return;
    case WM_ERASEBKGND:
      if (active) break;
      Message.Result = 1;  // the picture covers the whole face
      return;
    case WM_PRINT:
      SkinData.UpdatingMark = false;
      if ((SkinData.CacheIsStale() && !PrepareCache()) || !SkinData.CacheBitmap) return;
      if (Message.LParam & PRF_NONCLIENT) {
        CopyCacheToDC(SkinData, reinterpret_cast<HDC>(Message.WParam));
      } else if (Message.LParam & PRF_CLIENT) {
        const RECT client = GetClientRect();
        CopyToDC(*SkinData.CacheBitmap, {BorderWidth(), BorderWidth()}, reinterpret_cast<HDC>(Message.WParam),
                 {0, 0, client.right, client.bottom});
      }
      return;
    case WM_PRINTCLIENT: OurPaint(reinterpret_cast<HDC>(Message.WParam)); return;
    default: break;
  }
  if (CommonWndProc(Message, &SkinData)) return;
  TEdit::WndProc(Message);
  if (!HandleAllocated()) return;
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case CM_MOUSEENTER: ApplyStateColors(true); break;
    case WM_KILLFOCUS:
    case CM_MOUSELEAVE: ApplyStateColors(false); break;
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_ENABLE:
    case WM_SHOWWINDOW:
    case EM_SETPASSWORDCHAR: Refresh(); break;
    case WM_SIZE: SendMessageW(GetHandle(), WM_NCPAINT, 1, 0); break;
    default: break;
  }
}
