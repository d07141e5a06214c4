#include "skin/controls/scroll/edit_wnd_win.h"

#include "skin/paint/fills.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/items/paint_item.h"
#include "skin/win/skin_manager.h"

namespace {

// Messages after which the window may have set its scroll data (and so
// painted the system's bars). A key that brings a character does its work
// with the character; a key-up does none.
bool MayScroll(const TMessage& Message, HWND Window) {
  MSG queued;
  switch (Message.Msg) {
    case WM_KEYDOWN:
      return !PeekMessageW(&queued, Window, WM_CHAR, WM_CHAR, PM_NOREMOVE | PM_NOYIELD);
    case WM_TIMER:  // the window's own (a selection dragged past its edge), not the bars'
      return Message.WParam != kScrollHoverTimer && Message.WParam != kScrollDelayTimer &&
             Message.WParam != kScrollRepeatTimer;
    case WM_CHAR:
    case WM_SETFONT:
    case WM_SETTEXT:
    case WM_LBUTTONDOWN:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case EM_REPLACESEL:
    case EM_SETSEL:
    case EM_LINESCROLL:
    case EM_SCROLLCARET:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETCOUNT:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
      return true;
    default: return false;
  }
}

}  // namespace

bool TacEditWnd::IsListBox() const {
  wchar_t name[16] = {};
  GetClassNameW(Handle(), name, 16);
  return lstrcmpiW(name, L"ListBox") == 0;
}

void TacEditWnd::BuildFrame() {
  RECT window{};
  GetWindowRect(Handle(), &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width <= 0 || height <= 0) return;
  if (FFrame.Width() != width || FFrame.Height() != height) FFrame = TBitmap32(width, height);
  if (FFrame.Empty()) return;
  const TsSkinModel& model = Manager()->Model;
  const TCacheInfo parent = GetParentCacheHwnd(Handle());
  FillRect32(FFrame, {0, 0, width, height},
             ColorToRGB(parent.FillColor == sFuchsia ? model.GetGlobalColor() : parent.FillColor), 255);
  const int index = SkinData().SkinIndex;
  const bool hot = FFocused && model.IsValidSkinIndex(index) && model.gd[static_cast<size_t>(index)].States > 1;
  const bool enabled = IsWindowEnabled(Handle()) != FALSE;
  PaintItem(&model, index, parent, hot && enabled ? 1 : 0, {0, 0, width, height}, {0, 0}, FFrame);
  FFrameStale = false;
  ++FCacheBuilds;
}

TCacheInfo TacEditWnd::BarBackground() {
  if (FFrame.Empty()) return TacScrollWnd::BarBackground();
  TCacheInfo ci;
  ci.Bitmap = &FFrame;
  ci.X = 0;
  ci.Y = 0;
  ci.Ready = true;
  return ci;
}

void TacEditWnd::PaintFrame() {
  if (!SkinActive() || SkinData().UpdatingMark) return;
  if (FFrameStale || FFrame.Empty()) BuildFrame();
  const TWindowDC dc(Handle());
  RECT clip{};
  if (!dc.Get() || GetClipBox(dc.Get(), &clip) == NULLREGION) return;
  if (!FFrame.Empty()) {
    const TacFrameEdges e = Edges();
    const int w = FFrame.Width(), h = FFrame.Height();
    for (const TRect& strip : {TRect{0, 0, w, e.Top}, TRect{0, h - e.Bottom, w, h}, TRect{0, e.Top, e.Left, h - e.Bottom},
                               TRect{w - e.Right, e.Top, w, h - e.Bottom}})
      if (!strip.IsEmpty()) CopyToDC(FFrame, {strip.Left, strip.Top}, dc.Get(), strip);
  }
  DrawBars(dc.Get());
}

void TacEditWnd::WndProc(TMessage& Message) {
  if (!SkinActive()) return TacScrollWnd::WndProc(Message);
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TacScrollWnd::WndProc(Message);
      FFocused = Message.Msg == WM_SETFOCUS;
      FFrameStale = true;
      if (IsWindowVisible(Handle())) PaintFrame();
      return;
    case WM_SIZE:
    case WM_ENABLE:
    case WM_STYLECHANGED:
      FFrameStale = true;
      TacScrollWnd::WndProc(Message);
      if (IsWindow(Handle()) && IsWindowVisible(Handle())) PaintFrame();
      return;
    case WM_MOUSEMOVE:
      TacScrollWnd::WndProc(Message);
      // A selection dragged past the edge scrolls the contents.
      if (!ThumbTracking() && GetCapture() == Handle()) UpdateScrolls();
      return;
    case WM_VSCROLL:
      // A list box takes the thumb's position from the message's 16 bits;
      // beyond them the whole position from the thumb makes the top line.
      TacScrollWnd::WndProc(Message);
      if (SendingScroll() && PositionSent() > 0xFFFF && IsListBox() &&
          (LOWORD(Message.WParam) == SB_THUMBTRACK || LOWORD(Message.WParam) == SB_THUMBPOSITION))
        CallPrev(LB_SETTOPINDEX, static_cast<WPARAM>(PositionSent()), 0);
      if (!SendingScroll() && IsWindow(Handle())) UpdateScrolls();
      return;
    case SM_ALPHACMD:
      if (AcmCode(Message.WParam) == acmNewSkin || AcmCode(Message.WParam) == acmRefresh) FFrameStale = true;
      break;
    default: break;
  }
  TacScrollWnd::WndProc(Message);
  if (!SendingScroll() && IsWindow(Handle()) && MayScroll(Message, Handle())) UpdateScrolls();
}

std::unique_ptr<TacEditWnd> AdaptEditWindow(HWND Window, TsSkinManager* Manager) {
  if (!Manager || !IsWindow(Window)) return nullptr;
  auto adapter = std::make_unique<TacEditWnd>(Window, Manager, TacSkinParams{});
  if (!adapter->Attach()) return nullptr;
  SetWindowPos(Window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return adapter;
}
