#include "skin/forms/form_animations.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "skin/forms/animation/anim_frame.h"
#include "skin/forms/frame_form_win.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/win/animations.h"
#include "skin/paint/win/threaded_timer.h"
#include "skin/win/skin_manager.h"

bool InAnimationProcess = false;

TacAnimSwitches& AnimSwitches() {
  static TacAnimSwitches switches;
  return switches;
}

namespace {

constexpr wchar_t kCoverClass[] = L"LanqueAnimationCover";

// The cover's window class: nothing but the default procedure.
void RegisterCoverClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kCoverClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

RECT BoundsOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// Alpha 255 inside the window's region (the whole window without one),
// transparent black outside, where the region cuts the corners away.
void CutToRegion(HWND window, TBitmap32& picture) {
  const int width = picture.Width(), height = picture.Height();
  std::vector<bool> inside(static_cast<size_t>(width) * height, true);
  const TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
  if (region && GetWindowRgn(window, region.Get()) != ERROR) {
    std::fill(inside.begin(), inside.end(), false);
    std::vector<char> data(GetRegionData(region.Get(), 0, nullptr));
    auto* header = reinterpret_cast<RGNDATA*>(data.data());
    if (!data.empty() && GetRegionData(region.Get(), static_cast<DWORD>(data.size()), header)) {
      const auto* rects = reinterpret_cast<const RECT*>(header->Buffer);
      for (DWORD i = 0; i < header->rdh.nCount; ++i)
        for (int y = std::max<int>(0, rects[i].top); y < std::min<int>(height, rects[i].bottom); ++y)
          for (int x = std::max<int>(0, rects[i].left); x < std::min<int>(width, rects[i].right); ++x)
            inside[static_cast<size_t>(y) * width + x] = true;
    }
  }
  for (int y = 0; y < height; ++y) {
    TsColor* row = picture.Row(y);
    for (int x = 0; x < width; ++x)
      row[x] = inside[static_cast<size_t>(y) * width + x] ? row[x] | 0xFF000000u : 0;
  }
}

// A picture of the window as it paints itself, frame and client area, with
// every child window that is switched visible painted at its place, lowest
// first; also while the window itself is hidden.
TBitmap32 WindowPicture(HWND window) {
  const RECT bounds = BoundsOf(window);
  TBitmap32 picture(bounds.right - bounds.left, bounds.bottom - bounds.top);
  if (picture.Empty()) return picture;
  {
    const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!dc) return {};
    const TSelectObject selected(dc.Get(), static_cast<HBITMAP>(picture.NativeHandle()));
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc.Get()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV)) {
      if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE)) continue;
      const RECT r = BoundsOf(child);
      const int saved = SaveDC(dc.Get());
      SetViewportOrgEx(dc.Get(), r.left - bounds.left, r.top - bounds.top, nullptr);
      IntersectClipRect(dc.Get(), 0, 0, r.right - r.left, r.bottom - r.top);
      SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc.Get()),
                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
      RestoreDC(dc.Get(), saved);
    }
    GdiFlush();
  }
  CutToRegion(window, picture);
  return picture;
}

// The form made layered at a constant alpha, or given back its plain style.
void SetLayered(HWND window, bool on, BYTE alpha) {
  const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (on) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
  }
}

// A window inside another; an owned top-level window (a dialog) is none,
// although GetParent names its owner.
bool IsChildWindow(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0; }

void Redraw(HWND window) {
  if (IsWindow(window))
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
}

// Waits (busy, as a blocked animation does) until one frame's time has
// passed since started, unless frames are not paced.
void PaceFrom(ULONGLONG started) {
  while (AnimSwitches().Paced && GetTickCount64() - started < acFormAnimInterval) Sleep(0);
}

bool SmoothMinimize() {
  const int forced = AnimSwitches().SmoothMinimize;
  if (forced >= 0) return forced != 0;
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  // The version the system reports to programs without a manifest for newer ones: 6 or more.
  const bool old = GetVersionExW(&version) && version.dwMajorVersion < 6;
  return old || CompositionEnabled();
}

// The point on the taskbar a minimised form travels to.
TRect TaskbarTarget(const TRect& form) {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!taskbar) return MinimizeTarget(form, {}, tbeNone);
  const RECT r = BoundsOf(taskbar);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  TacTaskbarEdge edge;
  if (r.right - r.left >= r.bottom - r.top)
    edge = r.top > screenHeight / 2 ? tbeBottom : tbeTop;
  else
    edge = r.left > screenWidth / 2 ? tbeRight : tbeLeft;
  return MinimizeTarget(form, {r.left, r.top, r.right, r.bottom}, edge);
}

// A timer whose ticks go to a function.
class TTickTimer : public TacThreadedTimer {
 public:
  explicit TTickTimer(std::function<void()> OnTick) : TacThreadedTimer(nullptr, true), FOnTick(std::move(OnTick)) {
    SetInterval(acFormAnimInterval);
  }

 protected:
  void TimeHandler() override { FOnTick(); }

 private:
  std::function<void()> FOnTick;
};

// The animator whose hide is on the screen: a new hide ends it first.
TacFormAnimator* gHiding = nullptr;
// A show held at a frame for a picture of it keeps its cover here until the next show.
TOwnedWindow gHeldCover;

}  // namespace

// A cover window with the form's picture and the work bitmap of its frames.
struct TacFormAnimator::TCover {
  TOwnedWindow Window;
  TBitmap32 Picture;
  TBitmap32 Work;

  // A cover over the form: borderless, layered, never activated, placed
  // directly above the form (topmost over a topmost form), not yet shown.
  static std::unique_ptr<TCover> Over(HWND form, TBitmap32 Picture) {
    if (Picture.Empty()) return nullptr;
    RegisterCoverClass();
    auto cover = std::make_unique<TCover>();
    const RECT r = BoundsOf(form);
    const bool topmost = GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_TOPMOST;
    cover->Window.Reset(CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | (topmost ? WS_EX_TOPMOST : 0),
                                        kCoverClass, L"", WS_POPUP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!cover->Window) return nullptr;
    cover->Work = TBitmap32(Picture.Width(), Picture.Height());
    cover->Picture = std::move(Picture);
    if (cover->Work.Empty()) return nullptr;
    HWND above = topmost ? HWND_TOPMOST : GetWindow(form, GW_HWNDPREV);
    SetWindowPos(cover->Window.Get(), above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOCOPYBITS |
                     SWP_NOSENDCHANGING);
    return cover;
  }
};

// A hide, minimise or restore on its timer.
struct TacFormAnimator::TTimed {
  TacAnimKind Kind = akHide;
  std::unique_ptr<TCover> Cover;
  std::vector<TacAnimFrame> Frames;  // of a hide
  size_t Next = 0;
  POINT At{};
  std::unique_ptr<TTickTimer> Timer;
};

TacFormAnimator::TacFormAnimator(TacAnimatedWindow& Target) : FTarget(Target) {}

TacFormAnimator::~TacFormAnimator() { Stop(); }

void TacFormAnimator::Stop() {
  FShowArmed = false;
  FShowing = false;  // a running show ends at its next frame
  if (FTimed) {
    if (FTimed->Kind == akHide && FTimed->Cover) InAnimationProcess = false;
    // Kept until the next animation: Stop may come from within its own tick.
    if (FTimed->Timer) FTimed->Timer->SetEnabled(false);
    FTimed->Cover.reset();
    FRetired = std::move(FTimed);
  }
  if (gHiding == this) gHiding = nullptr;
  FMinimized.reset();
  if (HWND window = FTarget.AnimWindow(); FLayered && window) SetLayered(window, false, 255);
  FLayered = false;
}

bool TacFormAnimator::Push(TCover& Cover, TacAnimKind Kind, int Index, const TacAnimFrame& Frame, POINT At) {
  DrawAnimFrame(Cover.Picture, Frame, Kind != akShow, Cover.Work);
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  const TSelectObject selected(dc.Get(), static_cast<HBITMAP>(Cover.Work.NativeHandle()));
  SIZE size{Cover.Work.Width(), Cover.Work.Height()};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(Frame.Alpha, 0, 255)), AC_SRC_ALPHA};
  UpdateLayeredWindow(Cover.Window.Get(), nullptr, &At, &size, dc.Get(), &origin, 0, &blend, ULW_ALPHA);
  if (!IsWindowVisible(Cover.Window.Get()))
    SetWindowPos(Cover.Window.Get(), nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  const auto& hook = AnimSwitches().OnStep;
  return !hook || hook({Kind, Index, Frame, BoundsOf(Cover.Window.Get()), &Cover.Work});
}

void TacFormAnimator::Message(const TMessage& Message) {
  HWND window = FTarget.AnimWindow();
  if (!window || !FTarget.AnimSkinned()) return;
  switch (Message.Msg) {
    case WM_SHOWWINDOW:
      if (Message.WParam && Message.LParam == 0) ArmShow();
      return;
    case WM_WINDOWPOSCHANGING: {
      // Restored straight from hidden and minimised (out of the notification
      // area) the form hears of no showing beforehand: armed here.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
      if ((pos->flags & SWP_SHOWWINDOW) && FMinimized && !FShowArmed && !IsWindowVisible(window))
        ArmShow();
      return;
    }
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
      if ((pos->flags & SWP_SHOWWINDOW) && FShowArmed) {
        FShowArmed = false;
        if (FMinimized && !IsIconic(window)) return StartRestore();
        if (FMinimized) {
          // Shown but still minimised: nothing travels yet, the form is drawable.
          SetLayered(window, false, 255);
          FLayered = false;
          return;
        }
        RunShow();
      } else if (pos->flags & SWP_HIDEWINDOW) {
        // Hidden during its own show: the show ends, and no hide runs.
        if (!std::exchange(FShowing, false)) StartHide();
      }
      return;
    }
    case WM_SYSCOMMAND:
      if ((Message.WParam & 0xFFF0) == SC_MINIMIZE) StartMinimize();
      if ((Message.WParam & 0xFFF0) == SC_RESTORE && FMinimized && IsIconic(window)) StartRestore();
      return;
    default: return;
  }
}

void TacFormAnimator::ArmShow() {
  HWND window = FTarget.AnimWindow();
  const TacFormAnimation show = FTarget.AnimEffect(akShow);
  // A form hidden while minimised (into the notification area) is shown and
  // restored in one: it may still be minimised here, and its restore travels.
  if (FShowing || IsChildWindow(window) || (IsIconic(window) && !FMinimized)) return;
  if (!FMinimized && (!show.Active || FormAnimSteps(show.Time) == 0)) return;
  // Shown at alpha 1 until the cover has taken over, so nothing of the form is seen.
  FShowArmed = true;
  SetLayered(window, true, 1);
  FLayered = true;
}

void TacFormAnimator::RunShow() {
  HWND window = FTarget.AnimWindow();
  const TacFormAnimation show = FTarget.AnimEffect(akShow);
  FShowing = true;
  InAnimationProcess = true;
  gHeldCover.Reset();
  // However the show ends, the form is drawable, not layered and redrawn at once.
  struct TEnd {
    TacFormAnimator& Self;
    HWND Window;
    ~TEnd() {
      Self.FShowing = false;
      InAnimationProcess = false;
      if (!IsWindow(Window)) return;
      if (Self.FLayered) SetLayered(Window, false, 255);
      Self.FLayered = false;
      Redraw(Window);
    }
  } end{*this, window};
  FTarget.PrepareAnimPicture();
  std::unique_ptr<TCover> cover = TCover::Over(window, WindowPicture(window));
  if (!cover) return;
  const RECT target = BoundsOf(window);
  const POINT at{target.left, target.top};
  const int width = cover->Picture.Width(), height = cover->Picture.Height();
  const std::vector<TacAnimFrame> frames = ShowAnimFrames(width, height, show.Time, 255, show.Mode);
  for (size_t i = 0; i < frames.size(); ++i) {
    const ULONGLONG started = GetTickCount64();
    if (!Push(*cover, akShow, static_cast<int>(i), frames[i], at)) return;
    if (static_cast<int>(i) == AnimSwitches().HoldShowAt) {
      gHeldCover = std::move(cover->Window);
      return;
    }
    // Stopped, closed or hidden meanwhile: the form takes over at once.
    if (!FShowing || !IsWindow(window) || !IsWindowVisible(window)) return;
    PaceFrom(started);
  }
  Push(*cover, akShow, static_cast<int>(frames.size()), ShowFinalFrame(width, height, 255), at);
  // The form goes directly below the cover, is drawn, and the cover goes.
  SetWindowPos(window, cover->Window.Get(), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER);
}

void TacFormAnimator::StartHide() {
  HWND window = FTarget.AnimWindow();
  const TacFormAnimation hide = FTarget.AnimEffect(akHide);
  if (!hide.Active || FormAnimSteps(hide.Time) == 0 || IsChildWindow(window) || IsIconic(window)) return;
  if (gHiding) gHiding->Stop();  // at most one hide on the screen
  Stop();
  FTarget.PrepareAnimPicture();
  auto timed = std::make_unique<TTimed>();
  timed->Cover = TCover::Over(window, WindowPicture(window));
  if (!timed->Cover) return;
  const RECT r = BoundsOf(window);
  timed->At = {r.left, r.top};
  timed->Frames = HideAnimFrames(r.right - r.left, r.bottom - r.top, hide.Time, 255, hide.Mode);
  FTimed = std::move(timed);
  gHiding = this;
  InAnimationProcess = true;
  const auto tick = [this] {
    TTimed& t = *FTimed;
    const bool more = t.Next < t.Frames.size() &&
                      Push(*t.Cover, akHide, static_cast<int>(t.Next), t.Frames[t.Next], t.At);
    ++t.Next;
    if (more && t.Next < t.Frames.size()) return true;
    // Over: the timer stops, the cover goes (the timer itself goes with the next animation).
    if (t.Timer) t.Timer->SetEnabled(false);
    t.Cover.reset();
    gHiding = nullptr;
    InAnimationProcess = false;
    return false;
  };
  // While the application closes (no timer runs then) the hide runs to its end at once.
  if (!AnimSwitches().Paced || AnimationsClosing()) {
    for (;;) {
      const ULONGLONG started = GetTickCount64();
      if (!tick()) return;
      PaceFrom(started);
    }
  }
  FTimed->Timer = std::make_unique<TTickTimer>([tick] { tick(); });
  if (tick()) FTimed->Timer->SetEnabled(true);
}

void TacFormAnimator::StartMinimize() {
  HWND window = FTarget.AnimWindow();
  const TacFormAnimation minimizing = FTarget.AnimEffect(akMinimize);
  if (!minimizing.Active || !IsWindowVisible(window) || IsIconic(window) || IsChildWindow(window)) return;
  Stop();
  const bool smooth = SmoothMinimize();
  const RECT r = BoundsOf(window);
  const TRect source{r.left, r.top, r.right, r.bottom};
  FMinimized = std::make_unique<TacMinimizeAnim>(source, TaskbarTarget(source),
                                                 MinimizeSteps(minimizing.Time, smooth), MinimizeTopAlpha(smooth));
  auto timed = std::make_unique<TTimed>();
  timed->Kind = akMinimize;
  timed->Cover = TCover::Over(window, WindowPicture(window));
  if (!timed->Cover) return;
  FTimed = std::move(timed);
  SetLayered(window, true, 0);
  FLayered = true;
  const auto tick = [this] {
    TacMinimizeFrame frame;
    TTimed& t = *FTimed;
    if (!FMinimized->MinimizeTick(frame) ||
        !Push(*t.Cover, akMinimize, static_cast<int>(t.Next++), frame.Frame, {frame.Origin.X, frame.Origin.Y})) {
      EndMinimize(false);
      return false;
    }
    return true;
  };
  if (!tick() || !smooth) return;
  FTimed->Timer = std::make_unique<TTickTimer>([tick] { tick(); });
  FTimed->Timer->SetEnabled(true);
}

void TacFormAnimator::StartRestore() {
  HWND window = FTarget.AnimWindow();
  if (!FMinimized || (FTimed && FTimed->Kind == akRestore)) return;
  const bool smooth = SmoothMinimize();
  if (FTimed && FTimed->Timer) FTimed->Timer->SetEnabled(false);
  auto timed = std::make_unique<TTimed>();
  timed->Kind = akRestore;
  timed->Cover = TCover::Over(window, WindowPicture(window));
  FTimed = std::move(timed);
  if (!FTimed->Cover) return EndMinimize(true);
  SetLayered(window, true, 0);
  FLayered = true;
  const auto tick = [this] {
    TacMinimizeFrame frame;
    TTimed& t = *FTimed;
    if (!FMinimized->RestoreTick(frame) ||
        !Push(*t.Cover, akRestore, static_cast<int>(t.Next++), frame.Frame, {frame.Origin.X, frame.Origin.Y})) {
      EndMinimize(true);
      return false;
    }
    return true;
  };
  if (!tick() || !smooth) return;
  FTimed->Timer = std::make_unique<TTickTimer>([tick] { tick(); });
  FTimed->Timer->SetEnabled(true);
}

void TacFormAnimator::EndMinimize(bool restored) {
  if (FTimed) {
    if (FTimed->Timer) FTimed->Timer->SetEnabled(false);
    FTimed->Cover.reset();
  }
  if (restored) FMinimized.reset();
  HWND window = FTarget.AnimWindow();
  if (!window) return;
  if (FLayered) SetLayered(window, false, 255);
  FLayered = false;
  Redraw(window);
}
