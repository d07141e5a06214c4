#include "skin/controls/buttons/button_skin_win.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/text.h"
#include "skin/paint/bitmap32_win.h"
#include "skin/paint/gdi_win.h"
#include "skin/win/glow_effects.h"
#include "skin/win/skin_manager.h"

namespace {

int gCacheBuilds = 0;
// Every button paints as pressed during one forced redraw (a release that
// came before its press fade had shown the pressed picture).
bool gShowPressed = false;

bool IsOwnerDrawnButton(HWND Window) {
  wchar_t name[16] = {};
  if (!Window || GetClassNameW(Window, name, 16) == 0 || lstrcmpiW(name, L"Button") != 0) return false;
  return (GetWindowLongPtrW(Window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

}  // namespace

std::string ButtonCaptionAnsi(TWinControl& Control) { return AnsiFromWide(Control.GetText()); }

TacGlyphPicture GlyphPicture(HBITMAP Bitmap) {
  TacGlyphPicture glyph;
  BITMAP info{};
  if (!Bitmap || GetObjectW(Bitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
    return glyph;
  glyph.Picture = TBitmap32(info.bmWidth, info.bmHeight);
  if (glyph.Picture.Empty()) return glyph;
  const TOwnedMemoryDC source(CreateCompatibleDC(nullptr));
  const TOwnedMemoryDC target(CreateCompatibleDC(nullptr));
  {
    const TSelectObject from(source.Get(), Bitmap);
    const TSelectObject to(target.Get(), BitmapHandle(glyph.Picture));
    BitBlt(target.Get(), 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  if (info.bmBitsPixel == 32)
    for (int y = 0; y < glyph.Picture.Height() && !glyph.HasAlpha; ++y)
      for (int x = 0; x < glyph.Picture.Width(); ++x)
        if (glyph.Picture.Row(y)[x] >> 24) {
          glyph.HasAlpha = true;
          break;
        }
  return glyph;
}

TBitmap32 ImageListPicture(HIMAGELIST List, int Index) {
  int width = 0, height = 0;
  if (!List || Index < 0 || Index >= ImageList_GetImageCount(List) || !ImageList_GetIconSize(List, &width, &height))
    return {};
  TBitmap32 picture(width, height);
  if (picture.Empty()) return picture;
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  const TSelectObject selected(dc.Get(), BitmapHandle(picture));
  FillDC(dc.Get(), {0, 0, width, height}, sFuchsia);
  ImageList_Draw(List, Index, dc.Get(), 0, 0, ILD_TRANSPARENT);
  GdiFlush();
  return picture;
}

TacButtonSkin::TacButtonSkin(TButton& Button, TsCommonData& Data, TacButtonHost& Host)
    : FButton(Button), FData(Data), FHost(Host) {}

TacButtonSkin::~TacButtonSkin() {
  StopFading(FFade);
  HideGlow(FData.GlowHandle);
}

int TacButtonSkin::CacheBuilds() { return gCacheBuilds; }

bool TacButtonSkin::Ready() const {
  return FButton.HandleAllocated() && FButton.GetParent() && !FButton.IsLoading() && !FButton.IsDestroying();
}

bool TacButtonSkin::Skinned() const { return Ready() && FData.Skinned(true); }

bool TacButtonSkin::FadeAlive() const { return Ready() && IsWindow(FButton.GetHandle()); }

HWND TacButtonSkin::FadeWindow() const { return FButton.HandleAllocated() ? FButton.GetHandle() : nullptr; }

bool TacButtonSkin::NativePushed() const {
  return FButton.HandleAllocated() && (SendMessageW(FButton.GetHandle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
}

int TacButtonSkin::StateOf(bool ADown, bool Default, bool FocusTest, bool MenuShown) const {
  const TsSkinManager* manager = FData.GetSkinManager();
  if (NativePushed() || gShowPressed || MenuShown) {
    const HWND window = FButton.GetHandle();
    const bool leftHeldHere = GetCapture() == window && (GetKeyState(VK_LBUTTON) & 0x8000);
    if (FData.MouseAbove || !leftHeldHere || (manager && manager->Options.NoMouseHover) || MenuShown)
      return kBtnPressed;
  }
  if (ADown) return kBtnPressed;
  if (FData.ControlIsActive()) return kBtnHot;
  // The default look moves to an owner-drawn button that has the focus;
  // other focused windows (edits, check boxes) leave it where it is.
  if (Default && (!FocusTest || !IsOwnerDrawnButton(GetFocus()))) return kBtnDefault;
  return kBtnNormal;
}

TsGdiTextRasteriser& TacButtonSkin::Raster() {
  const HFONT font = FButton.GetFont().GetHandle();
  if (!FRaster || FRasterFont != font) {
    FRaster = std::make_unique<TsGdiTextRasteriser>(font);
    FRasterFont = font;
  }
  return *FRaster;
}

bool TacButtonSkin::PrepareCache() {
  TWinControl* parent = FButton.GetParent();
  if (!parent || !FData.Skinned()) return false;
  TacBGInfo info;
  GetBGInfo(info, parent);
  if (info.BgType == btNotReady) {
    FData.UpdatingMark = true;
    return false;
  }
  FData.InitCacheBmp();
  const TsSkinManager& manager = *FData.GetSkinManager();
  TsButtonFace face;
  face.Skin = &manager.Model;
  face.SkinIndex = FData.SkinIndex;
  face.BorderMaskIndex = FData.BorderMaskIndex;
  face.Parent = BGInfoToCI(info);
  if (face.Parent.Ready) {
    face.Parent.X += FButton.GetLeft();
    face.Parent.Y += FButton.GetTop();
  }
  face.Width = FButton.GetWidth();
  face.Height = FButton.GetHeight();
  face.State = FHost.CurrentState();
  face.OffsetPressed = FHost.OffsetPressed();
  face.DrawOverBorder = FHost.DrawOverBorder();
  face.CornerRegion = BorderCutsRegion(manager.Model, FData.BorderMaskIndex) && !FFade;
  face.Colors = {FData.ColorTone, FData.HUEOffset, FData.Saturation};
  face.Enabled = FButton.GetEnabled();
  face.DisabledKind = DisabledKind;
  face.ControlColor = ColorToRGB(FButton.GetColor());
  TsTextRasteriser& raster = Raster();
  TsButtonCaption caption;
  caption.Skin = {&manager.Model, FData.SkinIndex, -1, FData.CustomFont, face.Colors};
  caption.FontColor = FButton.GetFont().GetColor();
  TacDrawGlyphData glyph;
  glyph.Skin = &manager.Model;
  glyph.SkinIndex = FData.SkinIndex;
  glyph.Enabled = face.Enabled;
  glyph.State = face.State;
  TsButtonFocus focus;
  FHost.DescribeContent(face.State, raster, caption, glyph, focus);
  const TsButtonFaceResult result = PaintButtonFace(*FData.CacheBitmap, face, caption, glyph, focus, raster);
  if (!result.Painted) return false;
  ++gCacheBuilds;
  FRegionRects = result.HasRegion ? result.Region : std::vector<TRect>{};
  FHost.CachePainted(*FData.CacheBitmap);
  FData.BackgroundChanged = false;
  return true;
}

void TacButtonSkin::OurPaintHandler(HDC DC) {
  if (!Ready()) return;
  const HWND window = FButton.GetHandle();
  PAINTSTRUCT ps;
  HDC dc = DC ? DC : BeginPaint(window, &ps);
  const auto finish = [&] {
    if (!DC) EndPaint(window, &ps);
  };
  if (FData.UpdatingMark || (FFade && FFade->GetEnabled())) return finish();  // the fade draws its frames
  FData.BackgroundChanged = FData.BackgroundChanged || FData.Marked;
  const RECT bounds = FButton.GetBoundsRect();
  const RECT client = FButton.GetParent()->GetClientRect();
  FData.Marked = bounds.left < client.left || bounds.top < client.top || bounds.right > client.right ||
                 bounds.bottom > client.bottom;
  const TsSkinManager* manager = FData.GetSkinManager();
  const bool cuts = manager && BorderCutsRegion(manager->Model, FData.BorderMaskIndex);
  if (cuts || FData.CacheIsStale()) {
    if (!PrepareCache()) return finish();
  }
  const int saved = SaveDC(dc);
  CopyToDC(*FData.CacheBitmap, {0, 0}, dc, {0, 0, FData.CacheBitmap->Width(), FData.CacheBitmap->Height()});
  RestoreDC(dc, saved);
  if (cuts && DC == nullptr) ApplyRegion();
  finish();
}

bool TacButtonSkin::ShiftContent(int State) const {
  if (State != kBtnPressed) return false;
  const TsSkinManager* manager = FData.GetSkinManager();
  return !Skinned() || !manager || manager->ButtonsOptions.ShiftContentOnClick;
}

TsButtonFocus TacButtonSkin::FocusOf(TRect CaptionRect) const {
  const TsSkinManager* manager = FData.GetSkinManager();
  TsButtonFocus focus;
  if (!FButton.Focused() || !FButton.GetEnabled() || !ShowFocus || !manager || !manager->ButtonsOptions.ShowFocusRect)
    return focus;
  const TsGeneralData* section = FData.Section();
  if (!section) return focus;
  focus.Show = true;
  focus.Rect = {CaptionRect.Left - FocusMargin - 1, CaptionRect.Top - FocusMargin, CaptionRect.Right + FocusMargin + 1,
                CaptionRect.Bottom + FocusMargin};
  focus.Color = ColorToRGB(FData.StateProps(std::min(1, section->States))->FontColor[0]);
  return focus;
}

void TacButtonSkin::StdDrawItem(const DRAWITEMSTRUCT& Item) {
  const int width = Item.rcItem.right - Item.rcItem.left, height = Item.rcItem.bottom - Item.rcItem.top;
  TBitmap32 face(width, height);
  if (face.Empty()) return;
  const bool pressed = Item.itemState & ODS_SELECTED;
  const bool enabled = !(Item.itemState & ODS_DISABLED);
  const int state = pressed ? kBtnPressed : FHost.CurrentState();
  TsButtonCaption caption;
  TacDrawGlyphData glyph;
  glyph.Enabled = enabled;
  glyph.State = state;
  TsButtonFocus unused;
  FHost.DescribeContent(state, Raster(), caption, glyph, unused);
  {
    const TOwnedMemoryDC dc(CreateCompatibleDC(Item.hDC));
    const TSelectObject selected(dc.Get(), BitmapHandle(face));
    const TsSkinManager* manager = FData.GetSkinManager();
    TButton::DrawClassicFace(dc.Get(), {0, 0, width, height}, pressed, Item.itemState & ODS_FOCUS, !enabled,
                             FButton.GetActiveDefault(), !manager || manager->ButtonsOptions.ShowFocusRect);
    if (!caption.Text.empty())
      TButton::DrawClassicCaption(dc.Get(), FButton.GetText(),
                                  {caption.Rect.Left, caption.Rect.Top, caption.Rect.Right, caption.Rect.Bottom},
                                  FButton.GetFont().GetHandle(), caption.Format, enabled);
    GdiFlush();
    glyph.Dest = &face;
    acDrawGlyphEx(glyph);
  }
  CopyToDC(face, {0, 0}, Item.hDC, {0, 0, width, height});
}

void TacButtonSkin::ApplyRegion() {
  const HWND window = FButton.GetHandle();
  const RECT bounds = FButton.GetBoundsRect();
  if (!FRegionApplied || FRegionRects != FAppliedRects) {
    TOwnedRegion region = RegionFromRects(FRegionRects);
    SetWindowRgn(window, region.Release(), !FRegionApplied);  // the window owns it from now on
    FAppliedRects = FRegionRects;
    FRegionApplied = true;
  }
  // A button grown smaller leaves its old corners on the parent.
  if (FRegionApplied && (bounds.right - bounds.left < FPrevBounds.right - FPrevBounds.left ||
                         bounds.bottom - bounds.top < FPrevBounds.bottom - FPrevBounds.top))
    InvalidateRect(FButton.GetParent()->GetHandle(), &FPrevBounds, TRUE);
  FPrevBounds = bounds;
}

void TacButtonSkin::DropRegion() {
  if (FButton.HandleAllocated() && FRegionApplied) SetWindowRgn(FButton.GetHandle(), nullptr, TRUE);
  FRegionApplied = false;
  FAppliedRects.clear();
  FRegionRects.clear();
}

void TacButtonSkin::Repaint() {
  if (FButton.HandleAllocated())
    RedrawWindow(FButton.GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT TacButtonSkin::FadeCommand(int Code, LPARAM LParam, int Argument) {
  switch (Code) {
    case acmPrepareCache: return PrepareCache() ? 0 : 1;
    case acmStopAnimation:
      StopFading(FFade);
      Repaint();
      return 0;
    case acmSetUpdating: FData.UpdatingMark = Argument == 1; return 0;
    case acmInvalidate: Invalidate(); return 0;
    default: return 0;  // a fade frame is copied to the window by the timer
  }
}

void TacButtonSkin::ChangePaint(bool Clicked, TacAnimatEvent Event) {
  if (!Skinned()) return;
  const TsSkinManager* manager = FData.GetSkinManager();
  const unsigned managerEvents = manager ? manager->AnimEffects.ButtonEvents : 0;
  DoChangePaint(FFade, *this, Clicked, fdUp, EventEnabled(Event, AnimatEvents, managerEvents));
  ShowGlowingIfNeeded(FData, Clicked);
}

void TacButtonSkin::MouseEnter() {
  const TsSkinManager* manager = FData.GetSkinManager();
  if (!FButton.GetEnabled() || FData.MouseAbove || (manager && manager->Options.NoMouseHover)) return;
  if (OnMouseEnter) OnMouseEnter(&FButton);
  FData.MouseAbove = true;
  FData.BackgroundChanged = false;
  ChangePaint(false, aeMouseEnter);
}

void TacButtonSkin::MouseLeave() {
  if (!FButton.GetEnabled()) return;
  if (OnMouseLeave) OnMouseLeave(&FButton);
  FData.MouseAbove = false;
  FData.BackgroundChanged = false;
  ChangePaint(false, aeMouseLeave);
}

void TacButtonSkin::MouseDown() {
  if (!FButton.GetEnabled()) return;
  FData.UpdatingMark = false;
  FPressStarted = true;
  if (Down) return;
  FData.BackgroundChanged = false;
  ChangePaint(true, aeMouseDown);
}

void TacButtonSkin::MouseUp() {
  if (FButton.IsDestroying() || !FButton.GetEnabled()) return;
  if (!FPressStarted) {
    StopFading(FFade);
    return;
  }
  FPressStarted = false;
  if (FFade && FFade->GetEnabled() && FFade->Progress().InRange()) {
    // Released before the press fade got to the pressed picture: show it for a moment.
    FFade->SetEnabled(false);
    FData.BackgroundChanged = true;
    gShowPressed = true;
    Repaint();
    gShowPressed = false;
    Sleep(30);
  }
  FData.UpdatingMark = false;
  FData.BackgroundChanged = false;
  ChangePaint(true, aeMouseUp);
}

void TacButtonSkin::WithoutRedraw(TMessage& Message) {
  const HWND window = FButton.GetHandle();
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  Inherited(Message);
  if (IsWindow(window)) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
}

bool TacButtonSkin::SkinCommand(TMessage& Message) {
  const bool ours = reinterpret_cast<TsSkinManager*>(Message.LParam) == FData.GetSkinManager();
  switch (AcmCode(Message.WParam)) {
    case acmNewSkin:
      if (!ours) return false;
      StopFading(FFade);
      CommonMessage(Message, &FData);
      return true;
    case acmRemoveSkin:
      if (!ours || FButton.IsDestroying()) return false;
      StopFading(FFade);
      CommonMessage(Message, &FData);
      DropRegion();
      FButton.Invalidate();
      return true;
    case acmRefresh:
      if (!ours) return false;
      StopFading(FFade);
      DropRegion();
      CommonMessage(Message, &FData);
      FButton.Invalidate();
      return true;
    case acmIsHandled: Message.Result = 1; return true;
    case acmStopAnimation: Message.Result = FadeCommand(acmStopAnimation); return true;
    case acmPrepareCache: Message.Result = FadeCommand(acmPrepareCache); return true;
    default: return false;
  }
}

void TacButtonSkin::WndProc(TMessage& Message) {
  if (Message.Msg == SM_ALPHACMD && SkinCommand(Message)) return;
  if (!Skinned()) {
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
      const bool enter = Message.Msg == CM_MOUSEENTER;
      FData.MouseAbove = enter;
      const TNotifyEvent& event = enter ? OnMouseEnter : OnMouseLeave;
      if (FButton.GetEnabled() && event) event(&FButton);
    }
    if (Message.Msg == SM_ALPHACMD && CommonMessage(Message, &FData)) return;
    Inherited(Message);
    return;
  }
  SkinnedMessage(Message);
}

void TacButtonSkin::CommonProcessing(TMessage& Message) {
  if (!CommonWndProc(Message, &FData)) Inherited(Message);
  if (FButton.IsDestroying()) return;
  switch (Message.Msg) {
    case WM_SETFONT:
      FData.UpdatingMark = false;
      FData.Invalidate();
      break;
    case WM_SHOWWINDOW:
      FData.BackgroundChanged = true;
      FData.UpdatingMark = false;
      break;
  }
}

void TacButtonSkin::SkinnedMessage(TMessage& Message) {
  const bool visible = FButton.GetVisible();
  switch (Message.Msg) {
    case WM_MOVE: {
      const TsGeneralData* section = FData.Section();
      if (section && (section->Props[0].Transparency >= 1 ||
                      (section->Props[1].Transparency >= 1 && FData.ControlIsActive()))) {
        FData.BackgroundChanged = true;
        Repaint();
      }
      return CommonProcessing(Message);
    }
    case WM_SETFOCUS:
      if (!visible) return CommonProcessing(Message);
      if (!FButton.GetEnabled() || FButton.IsDestroying()) return Inherited(Message);
      WithoutRedraw(Message);
      FData.BackgroundChanged = true;
      if (FFade) FFade->Change();
      else FButton.Invalidate();
      return;
    case WM_KILLFOCUS:
      if (!visible) return CommonProcessing(Message);
      if (!FButton.GetEnabled() || FButton.IsDestroying()) return Inherited(Message);
      StopFading(FFade);
      WithoutRedraw(Message);
      FData.Focused = false;
      FData.Invalidate();
      HideGlow(FData.GlowHandle);
      return;
    case WM_ENABLE:
      // The native button would paint itself; the skin repaints instead.
      if (!Message.WParam) StopFading(FFade);
      HideGlow(FData.GlowHandle);
      FData.MouseAbove = false;
      FData.UpdatingMark = false;
      FData.Invalidate();
      Message.Result = 0;
      return;
    case WM_SETTEXT:
      if (!visible) return Inherited(Message);
      StopFading(FFade);
      WithoutRedraw(Message);
      FData.Invalidate();
      return;
    case WM_PAINT:
      if (!visible) return Inherited(Message);
      OurPaintHandler(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 0;
      return;
    case WM_ERASEBKGND:
      if (!visible) return Inherited(Message);
      if (Message.WParam && !FData.CacheIsStale() && !FFade)
        CopyToDC(*FData.CacheBitmap, {0, 0}, reinterpret_cast<HDC>(Message.WParam),
                 {0, 0, FData.CacheBitmap->Width(), FData.CacheBitmap->Height()});
      Message.Result = 0;
      return;
    case WM_WINDOWPOSCHANGED:
      FData.BackgroundChanged = true;
      if (const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
          pos && ((~pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) || (pos->flags & SWP_HIDEWINDOW)))
        HideGlow(FData.GlowHandle);  // a glow would stay where the button was
      return CommonProcessing(Message);
    case WM_CANCELMODE:
      HideGlow(FData.GlowHandle);
      return CommonProcessing(Message);
    case WM_UPDATEUISTATE:
      if (!visible) return Inherited(Message);
      Message.Result = 0;
      return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      FData.UpdatingMark = false;
      OurPaintHandler(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 0;
      return;
    case SM_ALPHACMD:
      if (AcmCode(Message.WParam) == acmParentUpdated && FData.UpdatingMark) {
        FData.UpdatingMark = false;
        Repaint();
        return;
      }
      return CommonProcessing(Message);
    case CN_DRAWITEM:  // the skin paints the whole face
      Message.Result = 1;
      return;
    case BM_SETSTATE:
    case BM_SETSTYLE:
      Inherited(Message);
      if (!FInMouseButton && !FButton.IsDestroying()) {
        StopFading(FFade);
        FData.BackgroundChanged = true;
        FButton.Invalidate();
      }
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FInMouseButton = true;
      Inherited(Message);
      FInMouseButton = false;
      if (!FButton.IsDestroying()) MouseDown();
      return;
    case WM_LBUTTONUP:
      FInMouseButton = true;
      Inherited(Message);  // may click, and the click may free the button
      FInMouseButton = false;
      if (!FButton.IsDestroying()) MouseUp();
      return;
    case WM_KEYUP:
      Inherited(Message);
      if (Message.WParam == VK_SPACE && !FButton.IsDestroying()) {
        FData.BackgroundChanged = true;
        Repaint();
      }
      return;
    case CM_MOUSEENTER:
      MouseEnter();
      return CommonProcessing(Message);
    case CM_MOUSELEAVE:
      MouseLeave();
      return CommonProcessing(Message);
    default: return CommonProcessing(Message);
  }
}
