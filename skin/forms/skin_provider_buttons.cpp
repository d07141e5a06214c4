// The skin provider's caption buttons and system menu: hot tracking,
// pressing and releasing, one button repainted (faded in above it, or drawn
// into the picture and copied to the window), and the menu opened from the
// icon, the right button and Alt+Space.
#include "skin/forms/frame/frame_hit_test.h"
#include "skin/forms/frame_form_win.h"
#include "skin/forms/skin_provider.h"
#include "skin/paint/gdi_win.h"
#include "skin/win/glow_effects.h"
#include "skin/win/skin_manager.h"

bool TsSkinProvider::ButtonPressed = false;

namespace {

constexpr int kHoverSteps = 10;

int AnimationSlot(int code) {
  switch (code) {
    case HTCLOSE: return 0;
    case HTMAXBUTTON: return 1;
    case HTMINBUTTON: return 2;
    case HTHELP: return 3;
    default: return -1;
  }
}

bool IsCaptionButton(int code) { return AnimationSlot(code) >= 0; }

POINT ScreenPoint(LPARAM LParam) { return {static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))}; }

}  // namespace

int* TsSkinProvider::StateOf(int HitCode) {
  switch (HitCode) {
    case HTCLOSE: return &FButtonStates.Close;
    case HTMAXBUTTON: return &FButtonStates.Max;
    case HTMINBUTTON: return &FButtonStates.Min;
    case HTHELP: return &FButtonStates.Help;
    default: return nullptr;
  }
}

int TsSkinProvider::GetButtonState(int HitCode) const {
  const int* state = const_cast<TsSkinProvider*>(this)->StateOf(HitCode);
  return state ? *state : -1;
}

TacSysMenuState TsSkinProvider::MenuState() const {
  return FForm->HandleAllocated() ? SysMenuState(Describe()) : TacSysMenuState{};
}

HWND TsSkinProvider::SysMenuWindow() const { return FForm->HandleAllocated() ? FForm->GetHandle() : nullptr; }

bool TsSkinProvider::HasSysMenu() const { return (FForm->GetBorderIcons() & biSystemMenu) != 0; }

TacSBAnimation* TsSkinProvider::GetButtonAnimation(int Code) const {
  const int slot = AnimationSlot(Code);
  return slot < 0 ? nullptr : FAnimations[static_cast<size_t>(slot)].Get();
}

void TsSkinProvider::KillAnimations() {
  for (auto& animation : FAnimations)
    if (TacSBAnimation* running = animation.Get()) delete running;
  for (int& glow : FGlows) HideGlow(glow);
}

HWND TsSkinProvider::GetButtonGlow(int Code) const {
  const int slot = AnimationSlot(Code);
  return slot < 0 ? nullptr : GlowWindow(FGlows[static_cast<size_t>(slot)]);
}

void TsSkinProvider::UpdateButtonGlow(int Code, int State) {
  int& glow = FGlows[static_cast<size_t>(AnimationSlot(Code))];
  HWND window = FForm->GetHandle();
  const TsSkinManager* manager = SkinData.GetSkinManager();
  const TsCaptionButton* button = FCache.Layout().Button(Code);
  const bool wanted = State == 1 && manager && manager->Effects.AllowGlowing && button && button->Visible() &&
                      IsWindowVisible(window) && !IsIconic(window) && !GetParent(window) &&
                      (GlowSwitches().IgnoreComposition || CompositionEnabled());
  if (!wanted) return HideGlow(glow);
  if (GlowWindow(glow)) return;
  const TacCaptionGlow look = CaptionButtonGlow(manager->Model, Code, button->ImageIndex);
  if (look.Key.empty()) return;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const TRect& r = button->Rect;
  const TRect onScreen{bounds.left + r.Left, bounds.top + r.Top, bounds.left + r.Right, bounds.top + r.Bottom};
  glow = ShowGlow(onScreen, {0, 0, r.Width(), r.Height()}, "GLOBALINFO", look.Key, SkinData, window, 255, look.Margin);
}

bool TsSkinProvider::StillThere() const {
  return !IsDestroying() && FHooked && !FForm->IsDestroying() && FForm->HandleAllocated();
}

void TsSkinProvider::SetHotHT(int Code, bool Repaint) {
  if (Code == FHotCode || !FDrawNonClientArea) return;
  if (FHotCode > 0)
    if (int* old = StateOf(FHotCode)) {
      *old = 0;
      if (Repaint) RepaintButton(FHotCode);
    }
  FHotCode = Code;
  // While a button is held only that one reacts: it looks pressed again once
  // the mouse is back over it.
  if (Code < 1 || (ButtonPressed && Code != FPressedCode)) return;
  if (int* state = StateOf(Code)) {
    *state = ButtonPressed ? 2 : 1;
    if (Repaint) RepaintButton(Code);
  }
}

void TsSkinProvider::SetPressedHT(int Code) {
  if (FHotCode > 0 && FHotCode != Code)
    if (int* old = StateOf(FHotCode)) {
      *old = 0;
      RepaintButton(FHotCode);
    }
  FHotCode = Code;
  const TacSysMenuState m = MenuState();
  const bool may = Code == HTMAXBUTTON ? m.EnabledMax || (IsZoomed(FForm->GetHandle()) && m.EnabledRestore)
                   : Code == HTCLOSE   ? m.EnabledClose
                                       : true;
  int* state = StateOf(Code);
  if (!state || !may) {
    FHotCode = 0;
    return;
  }
  *state = 2;
  ButtonPressed = true;
  FPressedCode = Code;
  RepaintButton(Code);
}

bool TsSkinProvider::AnimatedButtons() const {
  HWND window = FForm->GetHandle();
  return SkinData.GetSkinManager()->Effects.AllowGlowing && IsWindowVisible(window) && !IsIconic(window) &&
         !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD);
}

void TsSkinProvider::RepaintButton(int Code) {
  const int* state = StateOf(Code);
  if (!state || !Skinned() || !FForm->HandleAllocated() || !IsWindowVisible(FForm->GetHandle())) return;
  UpdateButtonGlow(Code, *state);
  if (AnimatedButtons()) {
    if (*state == 1) StartSBAnimation(Code, 1, kHoverSteps, true);
    else if (*state == 2) StartSBAnimation(Code, 2, 1, true);
    else StartSBAnimation(Code, 0, kHoverSteps, false);
    if (GetButtonAnimation(Code) || *state == 0) return;
  }
  DrawButtonNow(Code, *state);
}

void TsSkinProvider::StartSBAnimation(int Code, int State, int Steps, bool Show) {
  auto& slot = FAnimations[static_cast<size_t>(AnimationSlot(Code))];
  if (TacSBAnimation* running = slot.Get(); running && running->Fade().TargetState() != -1) {
    running->Retarget(State, Steps, Show);
    return;
  }
  // Under a fade the picture keeps the button's normal look.
  const TsCaptionButton* drawn = FCache.Layout().Button(Code);
  if (drawn && drawn->State != 0) DrawButtonNow(Code, 0);
  if (State == 0) return;
  auto* animation = new TacSBAnimation(*this, Code);
  slot = animation;
  animation->StartAnimation(State, Steps);
  if (!animation->Window()) delete animation;  // nothing to show it in: drawn directly
}

void TsSkinProvider::DrawButtonNow(int Code, int State) {
  if (FCache.BackgroundChanged) PaintFrame();  // a stale picture is rebuilt and shown whole first
  if (!PrepareCache()) return;
  const TRect r = FCache.RepaintButton(SkinData.GetSkinManager()->Model, Describe(), Code, State);
  if (r.IsEmpty()) return;
  const TWindowDC dc(FForm->GetHandle());
  if (dc.Get()) CopyToDC(FCache.Bitmap(), {r.Left, r.Top}, dc.Get(), {r.Left, r.Top, r.Right, r.Bottom});
}

TBitmap32 TsSkinProvider::ButtonImage(int Code, int State, TRect& ScreenRect) {
  ScreenRect = {};
  if (!StillThere() || !PrepareCache()) return {};
  TRect inWindow;
  TBitmap32 image = FCache.ButtonPicture(SkinData.GetSkinManager()->Model, Describe(), Code, State, inWindow);
  if (image.Empty()) return image;
  HWND window = FForm->GetHandle();
  // Opaque where the window shows, cut out where its region cuts it.
  const TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
  const bool shaped = region && GetWindowRgn(window, region.Get()) != ERROR;
  for (int y = 0; y < image.Height(); ++y) {
    TsColor* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x)
      row[x] = shaped && !PtInRegion(region.Get(), inWindow.Left + x, inWindow.Top + y) ? 0 : row[x] | 0xFF000000u;
  }
  RECT bounds{};
  GetWindowRect(window, &bounds);
  ScreenRect = {bounds.left + inWindow.Left, bounds.top + inWindow.Top, bounds.left + inWindow.Right,
                bounds.top + inWindow.Bottom};
  return image;
}

void TsSkinProvider::UpdateIconsIndexes() {
  KillAnimations();
  // A button that went keeps no state; the glyphs follow with the next picture.
  const TacSysMenuState m = MenuState();
  if (!m.VisibleMax) FButtonStates.Max = 0;
  if (!m.VisibleMin) FButtonStates.Min = 0;
  if (!m.VisibleHelp) FButtonStates.Help = 0;
  if (!m.VisibleClose) FButtonStates.Close = 0;
  if (FHotCode > 0 && GetButtonState(FHotCode) == 0) FHotCode = 0;
  MarkChanged();
  FCache.RegionStale = true;
  PaintFrame();
}

void TsSkinProvider::StyleChanged(TMessage& Message) {
  Pass(Message);
  if (Message.WParam != static_cast<WPARAM>(GWL_STYLE) || !FDrawNonClientArea || !FPrepared) return;
  const auto* change = reinterpret_cast<const STYLESTRUCT*>(Message.LParam);
  // The form's border icons were applied to the style: the system menu style
  // goes again, and the buttons follow the new icons.
  if (change->styleNew & WS_SYSMENU) {
    HWND window = FForm->GetHandle();
    ::GetSystemMenu(window, FALSE);  // kept for the skinned system menu
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) & ~WS_SYSMENU);
  }
  constexpr DWORD kButtonStyles = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CAPTION;
  if ((change->styleOld ^ change->styleNew) & kButtonStyles) {
    if (FSysMenu) FSysMenu->UpdateItems(true);
    UpdateIconsIndexes();
  }
}

bool TsSkinProvider::CaptionMouse(TMessage& Message) {
  HWND window = FForm->GetHandle();
  switch (Message.Msg) {
    case WM_NCMOUSEMOVE: {
      if (!IsWindowEnabled(window)) return false;
      SkinData.GetSkinManager()->SetActiveControl(window);
      const int code = static_cast<int>(Message.WParam);
      SetHotHT(IsCaptionButton(code) ? code : 0);
      // Told when the mouse leaves the frame.
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, window, 0};
      TrackMouseEvent(&track);
      return false;
    }
    case WM_MOUSEMOVE:
      Pass(Message);
      SkinData.GetSkinManager()->SetActiveControl(nullptr);
      return true;
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
      SetHotHT(-1);
      ButtonPressed = false;
      FPressedCode = 0;
      return false;
    case WM_NCLBUTTONDOWN: ButtonDown(Message); return true;
    case WM_NCLBUTTONDBLCLK: return DoubleClick(Message);
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP: ButtonUp(Message); return true;
    case WM_NCRBUTTONDOWN: return Message.WParam == HTCAPTION || Message.WParam == HTSYSMENU;
    case WM_NCRBUTTONUP: {
      if (Message.WParam != HTCAPTION && Message.WParam != HTSYSMENU) return false;
      SetHotHT(0);
      ButtonPressed = false;
      FPressedCode = 0;
      const POINT at = ScreenPoint(Message.LParam);
      DropSysMenu(at.x, at.y);
      return true;
    }
    default: return false;
  }
}

void TsSkinProvider::ButtonDown(TMessage& Message) {
  const int code = static_cast<int>(Message.WParam);
  Message.Result = 0;
  if (IsCaptionButton(code)) return SetPressedHT(code);
  if (code == HTSYSMENU) {
    SetHotHT(0);
    ButtonPressed = false;
    FPressedCode = 0;
    PrepareCache();
    const TPoint at = IconMenuPoint(false);
    return DropSysMenu(at.X, at.Y);
  }
  if (IsIconic(FForm->GetHandle()) && code != HTMENU) {
    SendMessageW(FForm->GetHandle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, Message.LParam);
    return;
  }
  SetHotHT(0);
  Pass(Message);
}

void TsSkinProvider::ButtonUp(TMessage& Message) {
  // The hit code of the point released over (a client release: none of ours).
  const int code = Message.Msg == WM_NCLBUTTONUP ? static_cast<int>(Message.WParam) : HTCLIENT;
  HWND window = FForm->GetHandle();
  // Only the button pressed acts, and only when released over it.
  const bool pressed = ButtonPressed && FPressedCode == code;
  ButtonPressed = false;
  FPressedCode = 0;
  const WPARAM at = static_cast<WPARAM>(Message.LParam);
  const TacSysMenuState m = MenuState();
  const bool zoomed = IsZoomed(window) != FALSE;
  WPARAM command = 0;
  switch (code) {
    case HTMINBUTTON: {
      const TRect& r = FCache.Layout().ButtonMin.Rect;
      const TPoint p = WindowPoint(Message.LParam);
      if (pressed && p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) {
        const bool main = Application && Application->GetMainForm() == FForm;
        command = !main && IsIconic(window) ? SC_RESTORE : SC_MINIMIZE;
      }
      break;
    }
    case HTMAXBUTTON:
      if (pressed && (m.EnabledMax || (zoomed && m.EnabledRestore))) command = zoomed ? SC_RESTORE : SC_MAXIMIZE;
      break;
    case HTCLOSE:
      if (pressed && m.EnabledClose) command = SC_CLOSE;
      break;
    case HTHELP:
      if (pressed) command = SC_CONTEXTHELP;
      break;
    default: break;
  }
  if (!command) {
    if (code == HTCLOSE) return;
    if (IsCaptionButton(code)) SetHotHT(0);
    Pass(Message);
    return;
  }
  if (int* state = StateOf(code)) *state = 0;
  FHotCode = 0;
  KillAnimations();
  // The command may close the form and free it, its window and this
  // provider (freeing waits for this handler to return): after it, nothing
  // is touched unless all are still there.
  SendMessageW(window, WM_SYSCOMMAND, command, at);
  if (!StillThere()) return;
  if (FSysMenu) FSysMenu->UpdateItems();
  if (IsWindowVisible(window)) {
    MarkChanged();
    PaintFrame();
  }
}

bool TsSkinProvider::DoubleClick(TMessage& Message) {
  const int code = static_cast<int>(Message.WParam);
  HWND window = FForm->GetHandle();
  if (IsCaptionButton(code)) {  // a quick second press on a button
    ButtonDown(Message);
    return true;
  }
  if (code == HTSYSMENU) {
    FForm->Close();
    return true;
  }
  if (code != HTCAPTION) return false;
  const TacSysMenuState m = MenuState();
  const bool iconic = IsIconic(window) != FALSE, zoomed = IsZoomed(window) != FALSE;
  WPARAM command = 0;
  if ((FForm->GetBorderIcons() & biSystemMenu) && (m.EnabledMax || m.EnabledRestore))
    command = zoomed || iconic ? SC_RESTORE : SC_MAXIMIZE;
  else if (iconic)
    command = SC_RESTORE;
  // The system's own handling would maximise what may not be: never passed on.
  Message.Result = 0;
  if (!command) return true;
  SendMessageW(window, WM_SYSCOMMAND, command, Message.LParam);
  if (StillThere() && FSysMenu) FSysMenu->UpdateItems();
  return true;
}

bool TsSkinProvider::SysCommand(TMessage& Message) {
  const WPARAM command = Message.WParam & 0xFFF0;
  const bool keyMenu = command == SC_KEYMENU && Message.LParam == ' ';
  if (Message.Msg == kTaskbarSysMenu) {
    const POINT at = ScreenPoint(Message.LParam);
    DropSysMenu(at.x, at.y);
    return true;
  }
  if (!keyMenu || !(FForm->GetBorderIcons() & biSystemMenu) || FForm->GetBorderStyle() == bsNone) return false;
  PrepareCache();
  const TPoint at = IconMenuPoint(true);
  DropSysMenu(at.X, at.Y);
  Message.Result = 0;
  return true;
}

TPoint TsSkinProvider::IconMenuPoint(bool FromKeyboard) const {
  HWND window = FForm->GetHandle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const TacCaptionLayout& l = FCache.Layout();
  const TacFrameGeometry& g = l.Geometry;
  // Below the icon: from the keyboard 16 pixels higher on a minimised form,
  // from the mouse one frame lower.
  const int below = g.BorderHeight + l.IconRect.Height();
  if (FromKeyboard) return {bounds.left + g.SysBorderWidth, bounds.top + below - (IsIconic(window) ? 16 : 0)};
  return {bounds.left + g.SysBorderWidth, bounds.top + below + g.SysBorderHeight};
}

void TsSkinProvider::DropSysMenu(int X, int Y) {
  if (!FSysMenu) PrepareForm();
  if (!FSysMenu || !FForm->HandleAllocated()) return;
  FSysMenu->UpdateItems(FSysMenu->ExtraCount > 0);
  PopupSysMenu(*FSysMenu, FForm->GetHandle(), X, Y);
}
