#include "skin/forms/skin_provider.h"

#include "framework/errors.h"
#include "skin/forms/frame/frame_hit_test.h"
#include "skin/forms/frame/frame_region.h"
#include "skin/forms/frame/screen_snap.h"
#include "skin/forms/form_shadow.h"
#include "skin/forms/frame_form_win.h"
#include "skin/paint/gdi_win.h"
#include "skin/win/skin_manager.h"
#include "skin/win/glow_effects.h"
#include "skin/win/outer_effects_win.h"
#include "skin/win/skinable_menus.h"

namespace {

constexpr int kProviderKind = 224;

// The size of the caption icon for a caption height: 1, 8 or 16 pixels.
int IconSizeFor(int captionHeight) { return captionHeight <= 8 ? 1 : captionHeight <= 16 ? 8 : 16; }

}  // namespace

TsSkinProvider::TsSkinProvider(TComponent* AOwner)
    : TComponent(AOwner), SkinData(this, false), FForm(dynamic_cast<TForm*>(AOwner)) {
  if (!FForm) throw EAbort("TsSkinProvider component may be used with forms only!");
  SkinData.ProviderForm = FForm;
  SkinData.ControlKind = kProviderKind;
  SkinData.SetSkinSection("FORM");
  SkinData.Loading = false;
  SkinData.UpdateIndexes();
  FForm->SetSkinHooks(this);
  FHooked = true;
  // The form hears skin broadcasts through the list of hooked forms, once:
  // answering acmIsHandled keeps the application-wide pass from reaching it too.
  HookedForms().Add(FForm);
  FAnimator = std::make_unique<TacFormAnimator>(static_cast<TacAnimatedWindow&>(*this));
}

TsSkinProvider::~TsSkinProvider() {
  KillAnimations();
  HideGlow(FShadow);
  FAnimator.reset();
  FAdapter.reset();
  HookedForms().Remove(FForm);
  // Freed before its form: the form is whole and gets its own look back. Freed
  // with it, the form has already let go of the hooks (Released).
  if (!FHooked || FForm->IsDestroying()) return;
  RestoreForm();
  FForm->SetSkinHooks(nullptr);
}

void TsSkinProvider::Released(TWinControl&) {
  KillAnimations();
  FAnimator->Stop();
  FHooked = false;
  HookedForms().Remove(FForm);
}

TsSkinProvider* TsSkinProvider::GetSkinProvider(TComponent* Component) {
  while (Component && !dynamic_cast<TForm*>(Component)) Component = Component->GetOwner();
  auto* form = static_cast<TForm*>(Component);
  if (!form || !form->HandleAllocated()) return nullptr;
  return reinterpret_cast<TsSkinProvider*>(SendAMessage(form->GetHandle(), acmGetProvider));
}

bool TsSkinProvider::Skinned() const {
  return SkinData.Skinned(true) && !FForm->IsDestroying() && !IsDestroying();
}

TacFrameForm TsSkinProvider::Describe() const {
  TacFrameForm form = DescribeForm(*FForm);
  form.Active = FFormActive;
  form.SkinSection = SkinData.GetSkinSection();
  form.TitleSkin = TitleSkin;
  form.MenuLineSkin = MenuLineSkin;
  form.CaptionAlignment = CaptionAlignment;
  form.ShowAppIcon = ShowAppIcon;
  // A button whose look fades in above it keeps its normal look in the picture.
  form.ButtonStates = FButtonStates;
  const auto drawn = [this](int& state, int code) {
    if (GetButtonAnimation(code)) state = 0;
  };
  drawn(form.ButtonStates.Close, HTCLOSE);
  drawn(form.ButtonStates.Max, HTMAXBUTTON);
  drawn(form.ButtonStates.Min, HTMINBUTTON);
  drawn(form.ButtonStates.Help, HTHELP);
  form.Icon = FIcon.Empty() ? nullptr : &FIcon;
  form.CaptionTextHeight = FCaptionText ? FCaptionText->LineHeight() : 0;
  return form;
}

TacFormAnimation TsSkinProvider::AnimEffect(TacAnimKind Kind) const {
  const TacAnimEffects& effects = SkinData.GetSkinManager()->AnimEffects;
  return Kind == akShow ? effects.FormShow : Kind == akHide ? effects.FormHide : effects.Minimizing;
}

void TsSkinProvider::PrepareForm() {
  if (!Skinned() || !FForm->HandleAllocated()) return;
  HWND window = FForm->GetHandle();
  SkinData.UpdateIndexes();
  if (!FCaptionText) FCaptionText = std::make_unique<TacCaptionFont>();
  const int iconSize = IconSizeFor(SystemFrameMetrics().CyCaption);
  HICON icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon && Application) icon = Application->GetIcon().GetHandle();
  FIcon = IconPicture(icon, iconSize);
  if (UseGlobalColor && !SkinData.CustomColor)
    FForm->SetColor(SkinData.GetSkinManager()->Model.GetGlobalColor());
  // While skinned the system neither draws caption buttons nor opens its own
  // system menu: the provider does both. The window's system menu is made
  // before the style goes, so that its commands stay readable.
  ::GetSystemMenu(window, FALSE);
  if (!FSysMenu) FSysMenu = new TsSystemMenu(this, *this);
  if (FDrawNonClientArea) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (style & WS_SYSMENU) SetWindowLongPtrW(window, GWL_STYLE, style & ~WS_SYSMENU);
  }
  SetCompositorFrame(window, !FDrawNonClientArea);
  FPrepared = true;
  FSysMenu->UpdateItems(true);
  TsSkinManager* manager = SkinData.GetSkinManager();
  manager->SkinableMenus().InitMenuLine(FForm->GetMenu(), FDrawNonClientArea && manager->SkinnedPopups);
  KillAnimations();
  FCache.FreeGlows();
  MarkChanged();
  FCache.RegionStale = true;
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!FAdapter) FAdapter = std::make_unique<TacCtrlAdapter>(*this);
  FAdapter->AddAllItems();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
  UpdateShadow();
}

void TsSkinProvider::UpdateShadow() {
  if (!FForm->HandleAllocated()) return HideGlow(FShadow);
  UpdateFormShadow(FForm->GetHandle(), *SkinData.GetSkinManager(), AllowExtBorders && Skinned() && FPrepared,
                   FFormActive, FShadow);
}

HWND TsSkinProvider::GetShadowWindow() const { return GlowWindow(FShadow); }

void TsSkinProvider::RestoreForm() {
  FAdapter.reset();
  if (!FPrepared || !FForm->HandleAllocated()) {
    FPrepared = false;
    return;
  }
  FPrepared = false;
  KillAnimations();
  HideGlow(FShadow);
  HWND window = FForm->GetHandle();
  if (FForm->GetBorderIcons() & biSystemMenu) {
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_SYSMENU);
    // The system shows the small icon again once it is handed over anew.
    const LRESULT icon = SendMessageW(window, WM_GETICON, ICON_SMALL, 0);
    SendMessageW(window, WM_SETICON, ICON_SMALL, icon);
  }
  SetWindowRgn(window, nullptr, FALSE);
  SetCompositorFrame(window, true);
  if (TsSkinManager* manager = SkinData.GetSkinManager()) manager->SkinableMenus().InitMenuLine(FForm->GetMenu(), false);
  if (UseGlobalColor && !SkinData.CustomColor) FForm->SetColor(clBtnFace);
  FCache = TacFrameCache();
  FHotCode = FPressedCode = 0;
  FButtonStates = {};
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
}

void TsSkinProvider::SetDrawNonClientArea(bool Value) {
  if (Value == FDrawNonClientArea) return;
  FDrawNonClientArea = Value;
  if (!FForm->HandleAllocated()) return;
  HWND window = FForm->GetHandle();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (Value && Skinned()) {
    SetWindowLongPtrW(window, GWL_STYLE, style & ~WS_SYSMENU);
    MarkChanged();
    FCache.RegionStale = true;
  } else {
    if (FForm->GetBorderIcons() & biSystemMenu) SetWindowLongPtrW(window, GWL_STYLE, style | WS_SYSMENU);
    SetWindowRgn(window, nullptr, FALSE);
  }
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

bool TsSkinProvider::PrepareCache() {
  if (!Skinned() || !FForm->HandleAllocated()) return false;
  if (!FPrepared) PrepareForm();
  if (!FCaptionText) return false;
  // A main menu given (or changed) since the form was prepared is drawn by the skin too.
  TsSkinManager* manager = SkinData.GetSkinManager();
  if (TMainMenu* menu = FForm->GetMenu(); menu && FDrawNonClientArea && manager->SkinnedPopups &&
                                          !manager->SkinableMenus().MenuLineHooked(*menu))
    manager->SkinableMenus().InitMenuLine(menu, true);
  const int rebuilds = FCache.Rebuilds();
  if (!FCache.PaintAll(manager->Model, Describe(), SystemFrameMetrics(), FCaptionText->Raster())) return false;
  // A new picture: the main menu's bar items paint themselves into its band.
  if (FCache.Rebuilds() != rebuilds && FForm->GetMenu())
    manager->SkinableMenus().PaintMenuLine(*FForm->GetMenu(), FCache.EditBitmap());
  return true;
}

void TsSkinProvider::UpdateRgn(bool Redraw) {
  if (!FDrawNonClientArea || !FForm->HandleAllocated() || FUpdatingRegion) return;
  FUpdatingRegion = true;
  ApplyFrameRegion(FForm->GetHandle(), SkinData.GetSkinManager()->Model, FCache, Describe(), Redraw);
  FUpdatingRegion = false;
  FCache.RegionStale = false;
}

void TsSkinProvider::PaintFrame() {
  if (!FDrawNonClientArea || !FForm->HandleAllocated() || !IsWindowVisible(FForm->GetHandle())) return;
  if (!PrepareCache()) return;
  if (FCache.RegionStale) UpdateRgn(false);
  CopyFrameToWindow(FForm->GetHandle(), FCache);
}

bool TsSkinProvider::PaintBackground(TWinControl&, HDC DC, const RECT& Client) {
  if (!DrawClientArea || !Skinned() || !PrepareCache()) return false;
  const TacFrameGeometry& g = FCache.Layout().Geometry;
  CopyToDC(FCache.Bitmap(), {g.OffsetX + Client.left, g.OffsetY + Client.top}, DC,
           {Client.left, Client.top, Client.right, Client.bottom});
  return true;
}

TPoint TsSkinProvider::WindowPoint(LPARAM ScreenPoint) const {
  RECT bounds{};
  GetWindowRect(FForm->GetHandle(), &bounds);
  return {static_cast<short>(LOWORD(ScreenPoint)) - bounds.left, static_cast<short>(HIWORD(ScreenPoint)) - bounds.top};
}

bool TsSkinProvider::NonClient(TWinControl&, TMessage& Message) {
  // Freeing the provider from a handler of the message waits for its return.
  const TDispatchScope scope(this);
  if (!FDrawNonClientArea || !Skinned()) return false;
  switch (Message.Msg) {
    case WM_NCPAINT:
      PaintFrame();
      Message.Result = 0;
      return true;
    case WM_NCACTIVATE: NCActivate(Message); return true;
    case WM_NCHITTEST: return NCHitTest(Message);
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP: return CaptionMouse(Message);
    default: return false;
  }
}

void TsSkinProvider::NCActivate(TMessage& Message) {
  const bool active = Message.WParam != 0;
  const bool changed = active != FFormActive;
  if (changed) MarkChanged();
  FFormActive = active;
  // The default handling keeps the activation bookkeeping; -1 keeps it from
  // painting the system's caption over ours.
  TMessage plain{Message.Msg, Message.WParam, static_cast<LPARAM>(-1), 0};
  Pass(plain);
  Message.Result = plain.Result ? plain.Result : TRUE;
  PaintFrame();
  // The client background and the children on it come from the same picture.
  if (changed && IsWindowVisible(FForm->GetHandle()))
    RedrawWindow(FForm->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
  if (changed) UpdateShadow();  // the active or the inactive shadow
}

bool TsSkinProvider::NCHitTest(TMessage& Message) {
  if (!PrepareCache()) return false;
  const TPoint point = WindowPoint(Message.LParam);
  const int code = HTProcess(FCache.Layout(), Describe(), point);
  if (SystemDecidesHit(FCache.Layout(), point, code)) return false;  // the system's own geometry decides
  Message.Result = code;
  return true;
}

void TsSkinProvider::SetText(TMessage& Message) {
  // The system paints its caption while it takes the text: not while the
  // window is marked invisible for that moment.
  HWND window = FForm->GetHandle();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (style & WS_VISIBLE) SetWindowLongPtrW(window, GWL_STYLE, style & ~WS_VISIBLE);
  Pass(Message);
  if (style & WS_VISIBLE) SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_VISIBLE);
  FCache.FreeGlows();
  MarkChanged();
  PaintFrame();
}

void TsSkinProvider::Sized(TMessage& Message) {
  KillAnimations();
  Pass(Message);
  MarkChanged();
  FCache.FreeGlows();
  FCache.RegionStale = true;
  HWND window = FForm->GetHandle();
  if (!IsWindowVisible(window)) return;
  PaintFrame();
  RedrawWindow(window, nullptr, nullptr, RDW_NOFRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
}

void TsSkinProvider::PositionChanging(TMessage& Message) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
  HWND window = FForm->GetHandle();
  if (!ScreenSnap || FUpdatingRegion || (pos->flags & SWP_NOMOVE) || IsZoomed(window) || !IsWindowVisible(window))
    return;
  MONITORINFO monitor{sizeof(monitor)};
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = (pos->flags & SWP_NOSIZE) ? bounds.right - bounds.left : pos->cx;
  const int height = (pos->flags & SWP_NOSIZE) ? bounds.bottom - bounds.top : pos->cy;
  const RECT& work = monitor.rcWork;
  const TPoint snapped = SnapToWorkArea({pos->x, pos->y, pos->x + width, pos->y + height},
                                        {work.left, work.top, work.right, work.bottom}, SnapBuffer);
  pos->x = snapped.X;
  pos->y = snapped.Y;
}

void TsSkinProvider::Print(TMessage& Message) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  const DWORD flags = static_cast<DWORD>(Message.LParam);
  if (!dc || !PrepareCache()) return Pass(Message);
  const TacFrameGeometry& g = FCache.Layout().Geometry;
  if (flags & PRF_NONCLIENT)
    CopyToDC(FCache.Bitmap(), {0, 0}, dc, {0, 0, FCache.Bitmap().Width(), FCache.Bitmap().Height()});
  if (flags & PRF_CLIENT) {
    POINT old;
    const bool offset = (flags & PRF_NONCLIENT) != 0;
    if (offset) OffsetViewportOrgEx(dc, g.OffsetX, g.OffsetY, &old);
    FForm->PaintTo(dc, FForm->GetClientRect());
    if (offset) SetViewportOrgEx(dc, old.x, old.y, nullptr);
  }
  Message.Result = 0;
}

bool TsSkinProvider::Message(TWinControl&, TMessage& Message) {
  // Freeing the provider from a handler of the message waits for its return.
  const TDispatchScope scope(this);
  if (Message.Msg == SM_ALPHACMD) return SkinCommand(Message);
  if (!Skinned()) return false;
  FAnimator->Message(Message);
  switch (Message.Msg) {
    case WM_SETTEXT:
      if (!FDrawNonClientArea) return false;
      SetText(Message);
      return true;
    case WM_SETICON:
      Pass(Message);
      FPrepared = false;  // the icon is read again
      PrepareCache();
      PaintFrame();
      return true;
    case WM_SIZE: Sized(Message); return true;
    case WM_SHOWWINDOW:
    case WM_PARENTNOTIFY:
      // Controls that came meanwhile are skinned once the form has handled the message.
      Pass(Message);
      if (FAdapter && (Message.Msg == WM_SHOWWINDOW ? Message.WParam != 0 : LOWORD(Message.WParam) == WM_CREATE))
        FAdapter->AddAllItems();
      return true;
    case WM_MOVE: KillAnimations(); return false;
    case WM_WINDOWPOSCHANGED:
      UpdateOuterEffects(*FForm);
      UpdateShadow();
      return false;
    case WM_STYLECHANGED: StyleChanged(Message); return true;
    case WM_WINDOWPOSCHANGING: PositionChanging(Message); return false;
    case WM_PRINT: Print(Message); return true;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONUP:
      if (!FDrawNonClientArea) return false;
      return CaptionMouse(Message);
    case WM_SYSCOMMAND:
    case kTaskbarSysMenu:
      if (!FDrawNonClientArea) return false;
      return SysCommand(Message);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: MarkChanged(); return false;
    default: return false;
  }
}

bool TsSkinProvider::SkinCommand(TMessage& Message) {
  const int code = AcmCode(Message.WParam);
  TsSkinManager* manager = SkinData.GetSkinManager();
  const bool ours = reinterpret_cast<TsSkinManager*>(Message.LParam) == manager;
  HWND window = FForm->HandleAllocated() ? FForm->GetHandle() : nullptr;
  switch (code) {
    case acmIsHandled: Message.Result = 1; return true;
    case acmGetProvider: Message.Result = reinterpret_cast<LRESULT>(this); return true;
    case acmNewSkin:
    case acmRefresh:
      if (!ours) return true;
      FAnimator->Stop();
      SkinData.UpdateIndexes();
      FPrepared = false;
      KillAnimations();
      PrepareForm();
      return true;
    case acmRemoveSkin:
      if (!ours) return true;
      FAnimator->Stop();
      RestoreForm();
      CommonMessage(Message, &SkinData);
      return true;
    case acmBgChanged: MarkChanged(); return true;
    case acmLeaveHot: SetHotHT(0); return true;
    case acmPrepareCache: PrepareCache(); return true;
    case acmGetOffsets: {
      const TacFrameGeometry& g = FCache.Layout().Geometry;
      Message.Result = MAKELONG(g.OffsetX, g.OffsetY);
      return true;
    }
    case acmGetBgColor:
      Message.Result = static_cast<LRESULT>(ColorToRGB(SkinData.GetBGColor(FFormActive ? 1 : 0, window)));
      return true;
    case acmGetBgInfo: {
      auto* info = reinterpret_cast<TacBGInfo*>(Message.LParam);
      if (!info) return true;
      if (!PrepareCache()) {
        info->BgType = btFill;
        info->Color = ColorToRGB(FForm->GetColor());
        return true;
      }
      const TacFrameGeometry& g = FCache.Layout().Geometry;
      info->BgType = btCache;
      info->Bitmap = &FCache.Bitmap();
      info->Offset = {info->Offset.X + g.OffsetX, info->Offset.Y + g.OffsetY};
      info->Color = ColorToRGB(SkinData.GetBGColor(FFormActive ? 1 : 0, window));
      return true;
    }
    default: return CommonMessage(Message, &SkinData);
  }
}
