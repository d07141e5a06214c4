#include "skin/controls/scroll/sb_wnd_win.h"

#include <algorithm>
#include <climits>

#include "skin/controls/scroll/scroll_paint.h"
#include "skin/paint/gdi_win.h"
#include "skin/win/skin_manager.h"

bool TacSBWnd::Vertical() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & SBS_VERT) != 0; }

TacBarAxis TacSBWnd::Axis() const {
  const RECT client = ClientRect();
  TacBarAxis axis;
  axis.Length = Vertical() ? client.bottom : client.right;
  axis.Button = Manager() ? Manager()->GetScrollSize() : GetSystemMetrics(SM_CXVSCROLL);
  return axis;
}

TacScrollRange TacSBWnd::Range() const {
  SCROLLINFO info{sizeof info, SIF_ALL};
  if (!GetScrollInfo(Handle(), SB_CTL, &info)) return {};
  return {info.nMin, info.nMax, static_cast<int>(std::min<UINT>(info.nPage, INT_MAX)), info.nPos, info.nTrackPos};
}

int TacSBWnd::PortionAt(POINT Client) const {
  const RECT client = ClientRect();
  if (!PtInRect(&client, Client)) return spNone;
  return ScrollHitTest(Range(), Axis(), Vertical() ? Client.y : Client.x);
}

void TacSBWnd::Paint(HDC DC) {
  const RECT client = ClientRect();
  if (!SkinActive() || client.right <= 0 || client.bottom <= 0) return;
  TBitmap32 bmp(client.right, client.bottom);
  if (bmp.Empty()) return;
  const bool enabled = IsWindowEnabled(Handle()) != FALSE;
  TacBarLook look = BarLookFor(Range(), Axis(), Vertical(), enabled, FHot, FPressed);
  if (enabled && FMouseIn) {  // the whole track shows hot while the mouse is on the control
    look.Track1State = std::max(look.Track1State, 1);
    look.Track2State = std::max(look.Track2State, 1);
  }
  PaintScrollBar(Manager()->Model, bmp, GetParentCacheHwnd(Handle()), look);
  CopyToDC(bmp, {0, 0}, DC, {0, 0, client.right, client.bottom});
  ++FPaints;
}

void TacSBWnd::Repaint() {
  if (!IsWindowVisible(Handle())) return;
  const TClientDC dc(Handle());
  if (dc.Get()) Paint(dc.Get());
}

void TacSBWnd::SetHot(int Portion) {
  if (Portion == FHot) return;
  FHot = Portion;
  Repaint();
}

void TacSBWnd::WndProc(TMessage& Message) {
  if (!SkinActive()) return TacMainWnd::WndProc(Message);
  switch (Message.Msg) {
    case WM_PAINT: {
      if (Message.WParam) {
        Paint(reinterpret_cast<HDC>(Message.WParam));
      } else {
        PAINTSTRUCT ps;
        if (HDC dc = BeginPaint(Handle(), &ps)) {
          Paint(dc);
          EndPaint(Handle(), &ps);
        }
      }
      Message.Result = 0;
      return;
    }
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_NCPAINT:
      Message.Result = 0;
      return;
    case WM_MOUSEMOVE: {
      if (!FMouseIn) {
        FMouseIn = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
      }
      SetHot(PortionAt({static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))}));
      break;
    }
    case WM_MOUSELEAVE:
      FMouseIn = false;
      FHot = spNone;
      Repaint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The control tracks the press itself until the button comes up.
      FPressed = PortionAt({static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))});
      Repaint();
      CallPrev(Message);
      FPressed = spNone;
      if (IsWindow(Handle())) Repaint();
      return;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
    case WM_ENABLE:
    case WM_SIZE:
      CallPrev(Message);
      if (IsWindow(Handle())) Repaint();
      return;
    default: break;
  }
  TacMainWnd::WndProc(Message);
}
