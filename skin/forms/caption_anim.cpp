#include "skin/forms/caption_anim.h"

#include "framework/window_class.h"
#include "skin/forms/skin_provider.h"
#include "skin/paint/fade.h"
#include "skin/paint/win/animations.h"

namespace {

constexpr wchar_t kClassName[] = L"LanqueCaptionButtonFade";

LRESULT CALLBACK FadeWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCDESTROY:
      // Destroyed with its owner form: the animation must not destroy it again.
      if (auto* animation = reinterpret_cast<TacSBAnimation*>(GetWindowLongPtrW(Window, GWLP_USERDATA)))
        animation->WindowGone(Window);
      break;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

}  // namespace

TacSBAnimation::TacSBAnimation(TsSkinProvider& Provider, int HitCode)
    : TTimer(&Provider), FProvider(Provider), FCode(HitCode) {
  SetEnabled(false);
  SetInterval(acAnimInterval);
  ++acAnimCount;
}

TacSBAnimation::~TacSBAnimation() {
  FreeImage();
  --acAnimCount;
}

void TacSBAnimation::Run(bool Value) {
  SetEnabled(Value);
  FResolution.Hold(Value);
}

void TacSBAnimation::WindowGone(HWND Window) {
  if (FWindow.Get() == Window) FWindow.Release();
}

void TacSBAnimation::FreeImage() {
  if (FWindow) SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, 0);
  FWindow.Reset();
  FImage = TBitmap32();
  FImageState = -1;
  FAlpha = 0;
}

bool TacSBAnimation::BuildImage() {
  const int state = FFade.TargetState();
  if (state == FImageState && !FImage.Empty() && FWindow) return true;
  FImage = FProvider.ButtonImage(FCode, state, FScreenRect);
  FImageState = state;
  if (FImage.Empty()) return false;
  if (FWindow) return true;
  HWND form = FProvider.GetForm()->GetHandle();
  DWORD exStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  if (GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_TOPMOST) exStyle |= WS_EX_TOPMOST;
  FWindow.Reset(CreateWindowExW(exStyle, RegisterWindowClassOnce(kClassName, FadeWindowProc), L"", WS_POPUP,
                                FScreenRect.Left, FScreenRect.Top, FScreenRect.Width(), FScreenRect.Height(), form,
                                nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!FWindow) return false;
  SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return true;
}

void TacSBAnimation::Show(int Alpha) {
  if (Alpha < 0 || !BuildImage()) return;
  FAlpha = Alpha;
  HWND window = FWindow.Get();
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  const TSelectObject selected(dc.Get(), static_cast<HBITMAP>(FImage.NativeHandle()));
  POINT at{FScreenRect.Left, FScreenRect.Top}, origin{0, 0};
  SIZE size{FImage.Width(), FImage.Height()};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(Alpha), AC_SRC_ALPHA};
  UpdateLayeredWindow(window, nullptr, &at, &size, dc.Get(), &origin, 0, &blend, ULW_ALPHA);
  if (IsWindowVisible(window)) return;
  // Right above the form: after the window that lies directly over it.
  HWND form = FProvider.GetForm()->GetHandle();
  HWND above = GetWindow(form, GW_HWNDPREV);
  SetWindowPos(window, above && above != window ? above : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TacSBAnimation::StartAnimation(int State, int Steps) {
  const int alpha = FFade.Start(State, Steps);
  if (alpha < 0) return;
  if (State == 2) FreeImage();
  Show(alpha);
  Run(FFade.Running());
}

void TacSBAnimation::Retarget(int State, int Steps, bool Show) {
  const int alpha = FFade.Retarget(State, Steps, Show);
  if (Show && FFade.TargetState() != FImageState) {
    // Another look: its picture replaces the shown one at the alpha reached.
    FImage = TBitmap32();
    this->Show(alpha >= 0 ? alpha : FAlpha);
  } else if (alpha >= 0) {
    this->Show(alpha);
  }
  Run(FFade.Running());
}

void TacSBAnimation::Tick() {
  // Freeing the animation during its tick waits until the tick has returned.
  const TDispatchScope scope(this);
  if (IsDestroying() || AnimationsClosing()) return Run(false);
  const TacFadeTick tick = FFade.Tick();
  switch (tick.Kind) {
    case ftIdle: Run(false); break;
    case ftAlpha: Show(tick.Alpha); break;
    case ftPoll: {
      POINT cursor{};
      GetCursorPos(&cursor);
      const TRect& r = FScreenRect;
      if (cursor.x >= r.Left && cursor.x < r.Right && cursor.y >= r.Top && cursor.y < r.Bottom) break;
      Run(false);
      SendMessageW(FProvider.GetForm()->GetHandle(), WM_MOUSELEAVE, 0, 0);
      break;
    }
    case ftDone:
      Run(false);
      FreeImage();
      delete this;
      break;
  }
}
