#include "skin/controls/scroll/scroll_wnd_win.h"

#include <algorithm>
#include <climits>

#include "skin/controls/scroll/scroll_paint.h"
#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/gdi_win.h"
#include "skin/win/skin_manager.h"

namespace {

constexpr LONG_PTR kBarStyles = WS_HSCROLL | WS_VSCROLL;
constexpr LONG_PTR kBarStyle[2] = {WS_HSCROLL, WS_VSCROLL};

TRect ToTRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

bool Inside(const RECT& r, POINT p) { return PtInRect(&r, p) != FALSE; }

// The cursor of a client-area mouse message, on the screen (with the
// capture it may lie outside the client).
POINT ScreenPointOf(HWND Window, LPARAM LParam) {
  POINT p{static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
  ClientToScreen(Window, &p);
  return p;
}

}  // namespace

TacScrollWnd::TacScrollWnd(HWND Window, TsSkinManager* Manager, const TacSkinParams& Params)
    : TacMainWnd(Window, Manager, Params),
      FThickness{Params.HorzScrollWidth, Params.VertScrollWidth},
      FButtons{Params.HorzButtonsSize, Params.VertButtonsSize} {
  const LONG_PTR style = GetWindowLongPtrW(Window, GWL_STYLE);
  FLeftScroll = (GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  for (int bar = 0; bar < 2; ++bar) {
    FBars[bar].HasStyle = (style & kBarStyle[bar]) != 0;
    FBars[bar].Range = ReadRange(bar);
  }
}

TacScrollWnd::~TacScrollWnd() {
  FTracker.Reset();
  StopHover();
}

void TacScrollWnd::RestoreStdParams() {
  if (FTracker.Tracking() && GetCapture() == Handle()) ReleaseCapture();
  FTracker.Reset();
  StopHover();
  FFrameComputed = false;
}

int TacScrollWnd::GetScrollMetric(int Bar, int Which) const {
  if (Bar < 0 || Bar > 1) return 0;
  const TsSkinManager* manager = Manager();
  const int size = manager ? manager->GetScrollSize() : GetSystemMetrics(SM_CXVSCROLL);
  if (Which == 1) return FThickness[Bar] >= 0 ? FThickness[Bar] : size;
  if (FButtons[Bar] >= 0) return FButtons[Bar];
  if (manager && manager->ScrollsOptions.ButtonsSize >= 0) return manager->ScrollsOptions.ButtonsSize;
  return size;
}

TacScrollRange TacScrollWnd::ReadRange(int Bar) const {
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS};
  if (!GetScrollInfo(Handle(), Bar == 0 ? SB_HORZ : SB_VERT, &info)) return {};
  return {info.nMin, info.nMax, static_cast<int>(std::min<UINT>(info.nPage, INT_MAX)), info.nPos, info.nTrackPos};
}

bool TacScrollWnd::ScrollBarEnabled(int Bar) const {
  if (!FBars[Bar].HasStyle || !IsWindowEnabled(Handle())) return false;
  SCROLLBARINFO info{sizeof info};
  if (!GetScrollBarInfo(Handle(), Bar == 0 ? OBJID_HSCROLL : OBJID_VSCROLL, &info)) return true;
  return (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

TacBarRects TacScrollWnd::Rects(const RECT& Window) const {
  return LayoutBars(ToTRect(Window), FEdges, GetScrollMetric(0, 1), FBars[0].Visible, GetScrollMetric(1, 1),
                    FBars[1].Visible, FLeftScroll);
}

RECT TacScrollWnd::BarScreenRect(int Bar) const {
  RECT window{};
  GetWindowRect(Handle(), &window);
  const TacBarRects rects = Rects(window);
  return ToRECT(Bar == 0 ? rects.Horz : rects.Vert);
}

TacBarAxis TacScrollWnd::Axis(int Bar, const RECT& Screen) const {
  TacBarAxis axis;
  axis.Start = Bar == 0 ? Screen.left : Screen.top;
  axis.Length = Bar == 0 ? Screen.right - Screen.left : Screen.bottom - Screen.top;
  axis.Button = GetScrollMetric(Bar, 0);
  return axis;
}

TacBarCursor TacScrollWnd::CursorOn(int Bar, POINT Screen) const {
  const RECT rect = BarScreenRect(Bar);
  const int along = Bar == 0 ? Screen.x : Screen.y;
  const int across = Bar == 0 ? Screen.y : Screen.x;
  const bool inside = across >= (Bar == 0 ? rect.top : rect.left) && across < (Bar == 0 ? rect.bottom : rect.right);
  return {along, inside ? ScrollHitTest(FBars[Bar].Range, Axis(Bar, rect), along) : spNone};
}

void TacScrollWnd::UpdateScrolls() {
  if (!IsWindowVisible(Handle()) || SkinData().UpdatingMark) return;
  for (int bar = 0; bar < 2; ++bar) FBars[bar].Range = ReadRange(bar);
  DrawBars();
}

TCacheInfo TacScrollWnd::BarBackground() {
  TCacheInfo ci;
  ci.X = ci.Y = 0;
  ci.FillColor = ColorToRGB(SkinData().GetBGColor(0, Handle()));
  return ci;
}

void TacScrollWnd::DrawBars(HDC DC) {
  if (!SkinActive() || FTracker.ThumbTracking()) return;
  if (!DC) {
    const TWindowDC own(Handle());
    if (own.Get()) DrawBars(own.Get());
    return;
  }
  ++FBarRepaints;
  const int pressed = FTracker.PressedPortion();
  for (int bar = 0; bar < 2; ++bar)
    if (FBars[bar].Visible) PaintBar(DC, bar, FTracker.TrackedBar() == bar ? pressed : spNone, -1);
  RECT window{};
  GetWindowRect(Handle(), &window);
  const TacBarRects rects = Rects(window);
  if (!rects.Corner.IsEmpty()) PaintCorner(DC, rects.Corner);
}

void TacScrollWnd::PaintBar(HDC DC, int Bar, int Pressed, int DragStart) {
  const TsSkinManager* manager = Manager();
  if (!manager || !FBars[Bar].Visible) return;
  RECT window{};
  GetWindowRect(Handle(), &window);
  const TacBarRects rects = Rects(window);
  const TRect screen = Bar == 0 ? rects.Horz : rects.Vert;
  const int length = Bar == 0 ? screen.Width() : screen.Height();
  if (length <= 1) return;
  const TRect local{screen.Left - window.left, screen.Top - window.top, screen.Right - window.left,
                    screen.Bottom - window.top};
  TBitmap32 bmp(local.Width(), local.Height());
  if (bmp.Empty()) return;
  FBars[Bar].Range = ReadRange(Bar);
  TacBarAxis axis{0, length, GetScrollMetric(Bar, 0)};
  const bool enabled = ScrollBarEnabled(Bar);
  const int hot = FHotBar == Bar ? FHotPortion : spNone;
  TacBarLook look = BarLookFor(FBars[Bar].Range, axis, Bar == 1, enabled, hot, Pressed);
  if (DragStart >= 0) {  // the thumb where the cursor holds it, pressed
    look.Thumb.Start = DragStart;
    look.ThumbState = 2;
    look.Btn1State = look.Btn2State = look.Track1State = look.Track2State = 0;
  }
  TCacheInfo ci = BarBackground();
  ci.X += local.Left;
  ci.Y += local.Top;
  PaintScrollBar(manager->Model, bmp, ci, look);
  CopyToDC(bmp, {0, 0}, DC, local);
}

bool TacScrollWnd::HasSizeGrip(const RECT& Corner) const {
  HWND parent = GetParent(Handle());
  if (!parent) return true;
  if (GetParent(parent)) return false;
  RECT client{};
  GetClientRect(parent, &client);
  MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const bool bottom = Corner.bottom + FEdges.Bottom == client.bottom;
  return bottom && (FLeftScroll ? Corner.left - FEdges.Left == client.left : Corner.right + FEdges.Right == client.right);
}

void TacScrollWnd::PaintCorner(HDC DC, const TRect& Corner) {
  RECT window{};
  GetWindowRect(Handle(), &window);
  TBitmap32 bmp(Corner.Width(), Corner.Height());
  if (bmp.Empty()) return;
  const TCacheInfo ci = BarBackground();
  const TRect local{Corner.Left - window.left, Corner.Top - window.top, Corner.Right - window.left,
                    Corner.Bottom - window.top};
  if (ci.Ready && ci.Bitmap) ::CopyImage(bmp, {0, 0}, *ci.Bitmap, {ci.X + local.Left, ci.Y + local.Top,
                                                                 ci.X + local.Right, ci.Y + local.Bottom});
  else FillRect32(bmp, {0, 0, bmp.Width(), bmp.Height()}, ci.FillColor, 255);
  if (HasSizeGrip(ToRECT(Corner))) PaintCornerGrip(Manager()->Model, bmp);
  CopyToDC(bmp, {0, 0}, DC, local);
}

void TacScrollWnd::PaintFrame() {
  TMessage paint{WM_NCPAINT, 1, 0, 0};
  CallPrevWithoutBars(paint);
  DrawBars();
}

void TacScrollWnd::CallPrevWithoutBars(TMessage& Message) {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  if (!(style & kBarStyles)) return CallPrev(Message);
  FStyleLock = true;
  SetWindowLongPtrW(Handle(), GWL_STYLE, style & ~kBarStyles);
  CallPrev(Message);
  if (IsWindow(Handle())) SetWindowLongPtrW(Handle(), GWL_STYLE, style);
  FStyleLock = false;
}

void TacScrollWnd::CalcSize(TMessage& Message) {
  // Both forms of the message start with the rectangle to turn into the client's.
  RECT& client = *reinterpret_cast<RECT*>(Message.LParam);
  const RECT before = client;
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  CallPrevWithoutBars(Message);
  FEdges = {client.left - before.left, client.top - before.top, before.right - client.right,
            before.bottom - client.bottom};
  for (int bar = 0; bar < 2; ++bar) FBars[bar].HasStyle = (style & kBarStyle[bar]) != 0;
  const TacBarReserve reserve = ReserveBars(ToTRect(client), {FBars[0].HasStyle, GetScrollMetric(0, 1)},
                                            {FBars[1].HasStyle, GetScrollMetric(1, 1)}, FLeftScroll);
  client = ToRECT(reserve.Client);
  FBars[0].Visible = reserve.HorzVisible;
  FBars[1].Visible = reserve.VertVisible;
  FFrameComputed = true;
}

void TacScrollWnd::HitTest(TMessage& Message) {
  const POINT p{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  RECT window{};
  GetWindowRect(Handle(), &window);
  const TacBarRects rects = Rects(window);
  for (int bar = 0; bar < 2; ++bar)
    if (FBars[bar].Visible && Inside(ToRECT(bar == 0 ? rects.Horz : rects.Vert), p)) {
      Message.Result = ScrollBarEnabled(bar) ? (bar == 0 ? HTHSCROLL : HTVSCROLL) : HTNOWHERE;
      return;
    }
  if (!rects.Corner.IsEmpty() && !FLeftScroll && Inside(ToRECT(rects.Corner), p) &&
      HasSizeGrip(ToRECT(rects.Corner))) {
    Message.Result = HTBOTTOMRIGHT;
    return;
  }
  CallPrev(Message);
}

bool TacScrollWnd::PressBar(TMessage& Message) {
  const int bar = Message.WParam == HTHSCROLL ? 0 : Message.WParam == HTVSCROLL ? 1 : -1;
  if (bar < 0 || !ScrollBarEnabled(bar)) return false;
  const POINT p{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  FBars[bar].Range = ReadRange(bar);
  const RECT rect = BarScreenRect(bar);
  const TacBarAxis axis = Axis(bar, rect);
  const int along = bar == 0 ? p.x : p.y;
  const int portion = ScrollHitTest(FBars[bar].Range, axis, along);
  if (portion == spNone) return false;
  TacThumbDrag drag;
  if (portion == spThumb) {
    const TacThumb thumb = CalcThumb(FBars[bar].Range, axis);
    drag.Range = FBars[bar].Range;
    drag.Bar = axis;
    drag.ThumbLength = thumb.Length;
    drag.Offset = along - thumb.Start;
  }
  FTracker.Press(bar, portion, drag);
  Message.Result = 0;
  return true;
}

// TacScrollHost

void TacScrollWnd::SendScroll(int Bar, int Code, int Pos) {
  HWND window = Handle();
  const UINT message = Bar == 0 ? WM_HSCROLL : WM_VSCROLL;
  const LPARAM lock = MAKELPARAM(Code, message);
  FSendingScroll = true;
  FPositionSent = Pos;
  const LRESULT answer = SendMessageW(window, SM_ALPHACMD, MakeAcmWParam(acmLockRedraw), lock);
  LPARAM lParam = 0;
  if (answer == 1) {
    lParam = Pos;
  } else if (Code == sbThumbTrack || Code == sbThumbPosition) {
    // The full position reaches the window through its scroll data (the
    // track position it reads); the message's high word holds 16 bits only.
    SCROLLINFO info{sizeof info, SIF_POS};
    info.nPos = Pos;
    SetScrollInfo(window, Bar == 0 ? SB_HORZ : SB_VERT, &info, FALSE);
  }
  // The high word: the position's 16 bits as the system's own bars send them
  // for a range below 0, at most 0xFFFF above.
  const WORD high = Pos < 0 ? static_cast<WORD>(Pos) : static_cast<WORD>(std::min(Pos, 0xFFFF));
  SendMessageW(window, message, MAKEWPARAM(Code, high), lParam);
  if (IsWindow(window)) SendMessageW(window, SM_ALPHACMD, MakeAcmWParam(acmUnlockRedraw), lock);
  FSendingScroll = false;
}

void TacScrollWnd::StartTimer(unsigned Id, unsigned Ms) { SetTimer(Handle(), Id, Ms, nullptr); }
void TacScrollWnd::StopTimer(unsigned Id) { KillTimer(Handle(), Id); }

void TacScrollWnd::CaptureMouse(bool On) {
  if (On) SetCapture(Handle());
  else if (GetCapture() == Handle()) ReleaseCapture();
}

void TacScrollWnd::DrawBar(int Bar, int PressedPortion) {
  if (!SkinActive() || !IsWindowVisible(Handle())) return;
  const TWindowDC dc(Handle());
  if (dc.Get()) PaintBar(dc.Get(), Bar, PressedPortion, -1);
}

void TacScrollWnd::DrawDrag(int Bar, int ThumbStart) {
  if (!SkinActive() || !IsWindowVisible(Handle())) return;
  const RECT rect = BarScreenRect(Bar);
  const TWindowDC dc(Handle());
  if (dc.Get()) PaintBar(dc.Get(), Bar, spNone, ThumbStart - (Bar == 0 ? rect.left : rect.top));
}

// Hover: polled while the cursor is over a bar of this window.

void TacScrollWnd::HoverTick() {
  if (FTracker.ThumbTracking() || FHotBar < 0) return;
  POINT p{};
  GetCursorPos(&p);
  if (!Inside(BarScreenRect(FHotBar), p)) {
    const int bar = FHotBar;
    StopHover();
    DrawBar(bar, FTracker.TrackedBar() == bar ? FTracker.PressedPortion() : spNone);
    return;
  }
  const int portion = CursorOn(FHotBar, p).Portion;
  if (portion == FHotPortion) return;
  FHotPortion = portion;
  DrawBar(FHotBar, FTracker.TrackedBar() == FHotBar ? FTracker.PressedPortion() : spNone);
}

void TacScrollWnd::StopHover() {
  if (FHotBar >= 0 && IsWindow(Handle())) KillTimer(Handle(), kScrollHoverTimer);
  FHotBar = -1;
  FHotPortion = spNone;
}

void TacScrollWnd::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      FTracker.Reset();
      StopHover();
      return TacMainWnd::WndProc(Message);
    case WM_STYLECHANGED:
      if (FStyleLock) {
        Message.Result = 0;
        return;
      }
      if (Message.WParam == static_cast<WPARAM>(GWL_EXSTYLE))
        FLeftScroll = (reinterpret_cast<const STYLESTRUCT*>(Message.LParam)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(Message.LParam) != Handle()) FTracker.CaptureLost();
      break;
    default: break;
  }
  if (!SkinActive()) return TacMainWnd::WndProc(Message);
  switch (Message.Msg) {
    case WM_NCCALCSIZE:
      if (Message.LParam) return CalcSize(Message);
      break;
    case WM_NCHITTEST: return HitTest(Message);
    case WM_NCPAINT:
      if (!FFrameComputed) {
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        if (!IsWindow(Handle())) return;
      }
      if (IsWindowVisible(Handle()) && !FSendingScroll) PaintFrame();
      else CallPrevWithoutBars(Message);
      return;
    case WM_NCMOUSEMOVE:
      if ((Message.WParam == HTHSCROLL || Message.WParam == HTVSCROLL) &&
          FHotBar != (Message.WParam == HTHSCROLL ? 0 : 1)) {
        StopHover();
        FHotBar = Message.WParam == HTHSCROLL ? 0 : 1;
        SetTimer(Handle(), kScrollHoverTimer, kScrollHoverMs, nullptr);
        HoverTick();
      }
      break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (PressBar(Message)) return;
      break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
      if (Message.WParam == HTHSCROLL || Message.WParam == HTVSCROLL) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_SYSCOMMAND:
      if ((Message.WParam & 0xFFF0) == SC_VSCROLL || (Message.WParam & 0xFFF0) == SC_HSCROLL) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_MOUSEMOVE:
      if (!FTracker.Tracking()) break;
      FTracker.Move(CursorOn(FTracker.TrackedBar(), ScreenPointOf(Handle(), Message.LParam)));
      Message.Result = 0;
      return;
    case WM_LBUTTONUP:
      FTracker.Release();
      break;
    case WM_TIMER: {
      const unsigned id = static_cast<unsigned>(Message.WParam);
      if (id == kScrollHoverTimer) {
        HoverTick();
        Message.Result = 0;
        return;
      }
      POINT p{};
      GetCursorPos(&p);
      if (FTracker.Tracking() && FTracker.Tick(id, CursorOn(FTracker.TrackedBar(), p))) {
        Message.Result = 0;
        return;
      }
      if (FTracker.Tick(id, {})) return;  // a stale tick of a finished press
      break;
    }
    case WM_MOUSEWHEEL:
      CallPrev(Message);
      if (!FSendingScroll) UpdateScrolls();
      return;
    default: break;
  }
  TacMainWnd::WndProc(Message);
}
