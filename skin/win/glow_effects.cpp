#include "skin/win/glow_effects.h"

#include <vector>

#include "base/win_handles.h"
#include "framework/window_class.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/items/glow_picture.h"
#include "skin/win/common_data.h"
#include "skin/win/skin_manager.h"

namespace {

constexpr wchar_t kClassName[] = L"LanqueGlow";
constexpr int kSpareWindows = 2;  // hidden windows kept for the next glows

using TGlowContent = TacEffectContent;

struct TGlowSlot {
  int Handle = -1;  // -1: free
  TOwnedWindow Window;
  TGlowContent Content;  // what the window holds, shown or hidden
};

// The user-interface thread's glows.
std::vector<TGlowSlot>& Slots() {
  static std::vector<TGlowSlot> slots;
  return slots;
}

int gNextHandle = 0;

LRESULT CALLBACK GlowWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

TGlowSlot* SlotOf(int Handle) {
  if (Handle < 0) return nullptr;
  for (TGlowSlot& slot : Slots())
    if (slot.Handle == Handle) return &slot;
  return nullptr;
}

// A free slot: the hidden window that holds the same glow already, else
// another hidden window, else a new one.
TGlowSlot& FreeSlot(const TGlowContent& Content) {
  TGlowSlot *hidden = nullptr, *empty = nullptr;
  for (TGlowSlot& slot : Slots()) {
    if (slot.Handle >= 0) continue;
    if (slot.Window && slot.Content == Content) return slot;
    if (slot.Window && !hidden) hidden = &slot;
    if (!slot.Window && !empty) empty = &slot;
  }
  return hidden ? *hidden : empty ? *empty : Slots().emplace_back();
}

bool MakeWindow(TGlowSlot& Slot) {
  if (Slot.Window) return true;
  Slot.Window.Reset(CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                    RegisterWindowClassOnce(kClassName, GlowWindowProc), L"", WS_POPUP, 0, 0, 0, 0,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  return static_cast<bool>(Slot.Window);
}

bool SetPicture(HWND Window, const TBitmap32& Picture, const TRect& At, int Alpha) {
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  const TSelectObject selected(dc.Get(), static_cast<HBITMAP>(Picture.NativeHandle()));
  POINT to{At.Left, At.Top}, origin{0, 0};
  SIZE size{Picture.Width(), Picture.Height()};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(Alpha), AC_SRC_ALPHA};
  return UpdateLayeredWindow(Window, nullptr, &to, &size, dc.Get(), &origin, 0, &blend, ULW_ALPHA);
}

void ShowBy(HWND Window, HWND Parent, bool Below) {
  // Right above the parent: after the window directly over it, or topmost
  // with a topmost parent; below it: after the parent itself.
  HWND after = HWND_TOP;
  if (Parent && (GetWindowLongPtrW(Parent, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
    after = Below ? Parent : HWND_TOPMOST;
  } else {
    if (GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_TOPMOST)
      SetWindowPos(Window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND above = Parent ? GetWindow(Parent, GW_HWNDPREV) : nullptr;
    if (Below && Parent) after = Parent;
    else if (above && above != Window) after = above;
  }
  SetWindowPos(Window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// The part of a window inside the client areas of all its parents, relative to the window.
TRect VisiblePart(HWND Window, const RECT& Bounds) {
  RECT seen = Bounds;
  for (HWND parent = GetAncestor(Window, GA_PARENT); parent && parent != GetDesktopWindow();
       parent = GetAncestor(parent, GA_PARENT)) {
    RECT client{};
    GetClientRect(parent, &client);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
    if (!IntersectRect(&seen, &seen, &client)) return {};
  }
  return {seen.left - Bounds.left, seen.top - Bounds.top, seen.right - Bounds.left, seen.bottom - Bounds.top};
}

HWND WindowOf(const TsCommonData& Data) {
  if (Data.AdaptedWindow) return Data.AdaptedWindow;
  auto* control = dynamic_cast<TWinControl*>(Data.OwnerControl);
  return control && control->HandleAllocated() ? control->GetHandle() : nullptr;
}

}  // namespace

int ShowGlow(const TRect& ControlRect, const TRect& Visible, std::string_view Section, std::string_view Key,
             const TsCommonData& Data, HWND Parent, int Alpha, int Margin) {
  const TsSkinManager* manager = Data.GetSkinManager();
  if (!manager) return -1;
  const TsSkinModel& model = manager->Model;
  const int image = model.GetMaskIndex(Section, Key);
  if (!model.IsValidImgIndex(image)) return -1;
  const TsMaskData& md = model.ma[static_cast<size_t>(image)];
  const TacGlowPlacement placement = GlowPlacement(ControlRect, Visible, ImageMargins(md), Margin);
  if (placement.Window.IsEmpty()) return -1;
  const TGlowContent content{
      &md, placement.Window, placement.Cut, {static_cast<int>(Data.ColorTone), Data.HUEOffset, Data.Saturation, 0},
      Alpha};
  return ShowEffect(
      content, [&] { return MakeGlowPicture(md, placement, {Data.ColorTone, Data.HUEOffset, Data.Saturation}); },
      Parent);
}

int ShowEffect(const TacEffectContent& Content, const std::function<TBitmap32()>& Make, HWND Parent, bool Below) {
  if (Content.Window.IsEmpty()) return -1;
  TGlowSlot& slot = FreeSlot(Content);
  if (!slot.Window || !(slot.Content == Content)) {
    slot.Content = {};
    const TBitmap32 picture = Make();
    if (picture.Empty() || !MakeWindow(slot) || !SetPicture(slot.Window.Get(), picture, Content.Window, Content.Alpha))
      return -1;
    slot.Content = Content;
  }
  ShowBy(slot.Window.Get(), Parent, Below);
  slot.Handle = gNextHandle;
  gNextHandle = gNextHandle == INT_MAX ? 0 : gNextHandle + 1;
  return slot.Handle;
}

void HideGlow(int& Handle) {
  TGlowSlot* slot = SlotOf(Handle);
  Handle = -1;
  if (!slot) return;
  slot->Handle = -1;
  int spare = 0;
  for (const TGlowSlot& s : Slots()) spare += s.Handle < 0 && s.Window ? 1 : 0;
  if (spare > kSpareWindows) {
    slot->Window.Reset();
    slot->Content = {};
  }
  else if (slot->Window) ShowWindow(slot->Window.Get(), SW_HIDE);
}

void ClearGlows() { Slots().clear(); }

HWND GlowWindow(int Handle) {
  const TGlowSlot* slot = SlotOf(Handle);
  return slot ? slot->Window.Get() : nullptr;
}

TacGlowSwitches& GlowSwitches() {
  static TacGlowSwitches switches;
  return switches;
}

void ShowGlowingIfNeeded(TsCommonData& Data, bool HideNow, HWND Window) {
  const TsSkinManager* manager = Data.GetSkinManager();
  const TsGeneralData* section = Data.Section();
  if (!Window) Window = WindowOf(Data);
  const bool wanted = manager && manager->Effects.AllowGlowing && !manager->Options.NoMouseHover && section &&
                      section->Glow > 0 && Window && IsWindowVisible(Window) && IsWindowEnabled(Window) &&
                      (GlowSwitches().IgnoreComposition || CompositionEnabled());
  if (!wanted || HideNow || !Data.MouseAbove || GetKeyState(VK_LBUTTON) < 0) return HideGlow(Data.GlowHandle);
  if (GlowWindow(Data.GlowHandle)) return;
  RECT bounds{};
  GetWindowRect(Window, &bounds);
  const TRect control{bounds.left, bounds.top, bounds.right, bounds.bottom};
  Data.GlowHandle = ShowGlow(control, VisiblePart(Window, bounds), section->SectionName, "GLOW0", Data,
                             GetAncestor(Window, GA_ROOT), 255, section->GlowMargin);
}
