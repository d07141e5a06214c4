#include "skin/forms/dialog_wnd.h"

#include "skin/forms/frame/frame_hit_test.h"
#include "skin/forms/frame_form_win.h"
#include "skin/forms/message_box_fit.h"
#include "skin/paint/gdi_win.h"
#include "skin/win/skin_manager.h"

namespace {

bool IsCaptionButton(int code) { return code == HTCLOSE || code == HTMAXBUTTON || code == HTMINBUTTON || code == HTHELP; }

}  // namespace

TacDialogWnd::TacDialogWnd(HWND Window, TsSkinManager* Manager, const TacSkinParams& Params)
    : TacMainWnd(Window, Manager, Params),
      FAnimator(std::make_unique<TacFormAnimator>(static_cast<TacAnimatedWindow&>(*this))) {
  FHadSysMenu = (GetWindowLongPtrW(Window, GWL_STYLE) & WS_SYSMENU) != 0;
}

TacDialogWnd::~TacDialogWnd() { Detach(); }

TacSysMenuState TacDialogWnd::MenuState() const { return SysMenuState(Describe()); }

TacFormAnimation TacDialogWnd::AnimEffect(TacAnimKind Kind) const {
  const TacAnimEffects& effects = Manager()->AnimEffects;
  return Kind == akShow ? effects.DialogShow : Kind == akHide ? effects.DialogHide : effects.Minimizing;
}

TacFrameForm TacDialogWnd::Describe() const {
  HWND window = Handle();
  TacFrameForm form = DescribeWindow(window);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  form.BorderStyle = (style & WS_THICKFRAME) ? bsSizeable : (style & WS_CAPTION) != WS_CAPTION ? bsNone : bsDialog;
  // The caption buttons the dialog's style asks for (its system menu style
  // is taken while skinned, so the one it had counts).
  form.BorderIcons = FHadSysMenu ? TBorderIcons{biSystemMenu} : TBorderIcons{0};
  if (style & WS_MAXIMIZEBOX) form.BorderIcons |= biMaximize;
  if (style & WS_MINIMIZEBOX) form.BorderIcons |= biMinimize;
  form.MenuHasClose = FHadSysMenu;
  form.MainForm = false;
  form.ShowAppIcon = false;
  form.Active = FActive;
  form.SkinSection = "DIALOG";
  const TsSkinModel& model = Manager()->Model;
  if (form.BorderStyle == bsDialog && model.GetSkinIndex("DIALOGTITLE") >= 0) form.TitleSkin = "DIALOGTITLE";
  form.CaptionTextHeight = FCaptionText.LineHeight();
  const auto state = [this](int code) { return code == FPressedCode ? 2 : code == FHotCode ? 1 : 0; };
  form.ButtonStates.Close = state(HTCLOSE);
  form.ButtonStates.Max = state(HTMAXBUTTON);
  form.ButtonStates.Min = state(HTMINBUTTON);
  form.ButtonStates.Help = state(HTHELP);
  return form;
}

void TacDialogWnd::MarkChanged() {
  FCache.BackgroundChanged = true;
  FCache.FreeGlows();
  SkinData().BackgroundChanged = true;
}

void TacDialogWnd::Prepare() {
  if (!SkinActive()) return;
  HWND window = Handle();
  // The close item keeps its state in the system menu the frame reads.
  GetSystemMenu(window, FALSE);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (style & WS_SYSMENU) SetWindowLongPtrW(window, GWL_STYLE, style & ~WS_SYSMENU);
  SetCompositorFrame(window, false);
  FPrepared = true;
  MarkChanged();
  FCache.RegionStale = true;
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
}

void TacDialogWnd::RestoreStdParams() {
  if (!FPrepared) return;
  FAnimator->Stop();
  FPrepared = false;
  HWND window = Handle();
  if (FHadSysMenu) SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_SYSMENU);
  SetWindowRgn(window, nullptr, FALSE);
  SetCompositorFrame(window, true);
  FCache = TacFrameCache();
  FHotCode = FPressedCode = 0;
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
}

bool TacDialogWnd::PrepareCache() {
  if (!SkinActive() || !FPrepared) return false;
  return FCache.PaintAll(Manager()->Model, Describe(), SystemFrameMetrics(), FCaptionText.Raster());
}

void TacDialogWnd::PaintFrame() {
  HWND window = Handle();
  if (!IsWindowVisible(window) || !PrepareCache()) return;
  if (FCache.RegionStale) {
    ApplyFrameRegion(window, Manager()->Model, FCache, Describe(), false);
    FCache.RegionStale = false;
  }
  CopyFrameToWindow(window, FCache);
}

bool TacDialogWnd::HitTest(TMessage& Message) {
  if (!PrepareCache()) return false;
  RECT bounds{};
  GetWindowRect(Handle(), &bounds);
  const TPoint point{static_cast<short>(LOWORD(Message.LParam)) - bounds.left,
                     static_cast<short>(HIWORD(Message.LParam)) - bounds.top};
  const int code = HTProcess(FCache.Layout(), Describe(), point);
  if (SystemDecidesHit(FCache.Layout(), point, code)) return false;
  Message.Result = code;
  return true;
}

void TacDialogWnd::SetHot(int Code) {
  if (Code == FHotCode) return;
  FHotCode = Code;
  MarkChanged();
  PaintFrame();
}

bool TacDialogWnd::ButtonMouse(TMessage& Message) {
  HWND window = Handle();
  const int code = static_cast<int>(Message.WParam);
  switch (Message.Msg) {
    case WM_NCMOUSEMOVE: {
      SetHot(IsCaptionButton(code) ? code : 0);
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, window, 0};
      TrackMouseEvent(&track);
      return false;
    }
    case WM_NCMOUSELEAVE:
      if (!FPressedCode) SetHot(0);
      return false;
    case WM_NCLBUTTONDOWN:
      if (!IsCaptionButton(code)) return false;
      FPressedCode = code;
      SetCapture(window);
      MarkChanged();
      PaintFrame();
      return true;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP: {
      if (!FPressedCode) return false;
      const int pressed = FPressedCode;
      FPressedCode = 0;
      ReleaseCapture();
      POINT at{};
      GetCursorPos(&at);
      TMessage hit{WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y), 0};
      const bool over = HitTest(hit) && hit.Result == pressed;
      MarkChanged();
      PaintFrame();
      if (!over) return true;
      const TacSysMenuState m = MenuState();
      const bool zoomed = IsZoomed(window) != FALSE;
      if (pressed == HTCLOSE) PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      if (pressed == HTMAXBUTTON && (m.EnabledMax || (zoomed && m.EnabledRestore)))
        SysCommand(zoomed ? SC_RESTORE : SC_MAXIMIZE, 0);
      if (pressed == HTMINBUTTON && m.EnabledMin) SysCommand(SC_MINIMIZE, 0);
      return true;
    }
    default: return false;
  }
}

void TacDialogWnd::SysCommand(WPARAM Command, LPARAM At) {
  HWND window = Handle();
  FHotCode = FPressedCode = 0;
  SendMessageW(window, WM_SYSCOMMAND, Command, At);
  if (!IsWindow(window) || !Attached()) return;
  MarkChanged();
  FCache.RegionStale = true;
  PaintFrame();
}

void TacDialogWnd::DropSysMenu(int X, int Y) {
  if (!FHadSysMenu || !SkinActive()) return;
  if (!FSysMenu) FSysMenu = std::make_unique<TsSystemMenu>(nullptr, static_cast<TacSysMenuHost&>(*this));
  FSysMenu->UpdateItems(true);
  SetHot(0);
  PopupSysMenu(*FSysMenu, Handle(), X, Y);
}

bool TacDialogWnd::CaptionMouse(TMessage& Message) {
  const WPARAM code = Message.WParam;
  const bool onCaption = code == HTCAPTION || code == HTSYSMENU;
  switch (Message.Msg) {
    case WM_NCRBUTTONDOWN:
      return onCaption;
    case WM_NCRBUTTONUP:
      if (!onCaption) return false;
      DropSysMenu(static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam)));
      return true;
    case WM_NCLBUTTONDBLCLK: {
      if (IsCaptionButton(static_cast<int>(code))) {  // a quick second press on a button
        Message.Msg = WM_NCLBUTTONDOWN;
        return ButtonMouse(Message);
      }
      if (code == HTSYSMENU) {
        PostMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
      }
      if (code != HTCAPTION) return false;
      // Maximised or restored only where the dialog allows it; the system's
      // own handling is never asked, since it knows no skinned buttons.
      const TacSysMenuState m = MenuState();
      const bool zoomed = IsZoomed(Handle()) != FALSE;
      Message.Result = 0;
      if (FHadSysMenu && (zoomed ? m.EnabledRestore : m.EnabledMax))
        SysCommand(zoomed ? SC_RESTORE : SC_MAXIMIZE, Message.LParam);
      return true;
    }
    case WM_SYSCOMMAND: {
      // Alt+Space: the skinned menu below the icon.
      if ((Message.WParam & 0xFFF0) != SC_KEYMENU || Message.LParam != ' ' || !FHadSysMenu) return false;
      RECT bounds{};
      GetWindowRect(Handle(), &bounds);
      const TacFrameGeometry& g = FCache.Layout().Geometry;
      DropSysMenu(bounds.left + g.SysBorderWidth, bounds.top + g.HeaderHeight);
      return true;
    }
    default: return false;
  }
}

bool TacDialogWnd::SkinCommand(TMessage& Message) {
  const bool ours = reinterpret_cast<TsSkinManager*>(Message.LParam) == Manager();
  switch (AcmCode(Message.WParam)) {
    case acmNewSkin:
    case acmRefresh:
      if (!ours) return true;
      SkinData().UpdateIndexes();
      MarkChanged();
      FCache.RegionStale = true;
      AlphaBroadCast(Handle(), Message);
      RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
      return true;
    case acmGetBgInfo: {
      auto* info = reinterpret_cast<TacBGInfo*>(Message.LParam);
      if (!info) return true;
      if (!PrepareCache()) {
        info->BgType = btFill;
        info->Color = ColorToRGB(Manager()->Model.GetGlobalColor());
        return true;
      }
      const TacFrameGeometry& g = FCache.Layout().Geometry;
      info->BgType = btCache;
      info->Bitmap = &FCache.Bitmap();
      info->Offset = {info->Offset.X + g.OffsetX, info->Offset.Y + g.OffsetY};
      info->Color = ColorToRGB(Manager()->Model.GetGlobalColor());
      return true;
    }
    case acmGetOffsets: {
      const TacFrameGeometry& g = FCache.Layout().Geometry;
      Message.Result = MAKELONG(g.OffsetX, g.OffsetY);
      return true;
    }
    default: return false;
  }
}

void TacDialogWnd::WndProc(TMessage& Message) {
  HWND window = Handle();
  if (Message.Msg == WM_INITDIALOG) {
    CallPrev(Message);
    if (SkinActive()) FitMessageBoxToWorkArea(window);
    FInitialized = true;
    if (OnInitialized) OnInitialized();
    Prepare();
    return;
  }
  if (Message.Msg == WM_SHOWWINDOW && Message.WParam && !FInitialized) {
    // A dialog made without WM_INITDIALOG has its children by now.
    FInitialized = true;
    if (OnInitialized) OnInitialized();
    Prepare();
  }
  if (!SkinActive()) return TacMainWnd::WndProc(Message);
  if (Message.Msg == SM_ALPHACMD && SkinCommand(Message)) return;
  if (FPrepared) FAnimator->Message(Message);
  switch (Message.Msg) {
    case WM_NCPAINT:
      if (!FPrepared) break;
      PaintFrame();
      Message.Result = 0;
      return;
    case WM_NCACTIVATE: {
      if (!FPrepared) break;
      FActive = Message.WParam != 0;
      MarkChanged();
      // -1 keeps the default handling from painting the system's caption.
      TMessage plain{Message.Msg, Message.WParam, static_cast<LPARAM>(-1), 0};
      CallPrev(plain);
      Message.Result = plain.Result ? plain.Result : TRUE;
      PaintFrame();
      return;
    }
    case WM_NCHITTEST:
      if (FPrepared && HitTest(Message)) return;
      break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_SYSCOMMAND:
      if (FPrepared && CaptionMouse(Message)) return;
      break;
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      if (FPrepared && ButtonMouse(Message)) return;
      break;
    case WM_ERASEBKGND: {
      if (!PrepareCache()) break;
      const RECT client = ClientRect();
      const TacFrameGeometry& g = FCache.Layout().Geometry;
      CopyToDC(FCache.Bitmap(), {g.OffsetX, g.OffsetY}, reinterpret_cast<HDC>(Message.WParam),
               {0, 0, client.right, client.bottom});
      Message.Result = 1;
      return;
    }
    case WM_SETTEXT: {
      // The system paints its caption while it takes the text.
      const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
      if (style & WS_VISIBLE) SetWindowLongPtrW(window, GWL_STYLE, style & ~WS_VISIBLE);
      TacMainWnd::WndProc(Message);
      if (style & WS_VISIBLE) SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_VISIBLE);
      MarkChanged();
      PaintFrame();
      return;
    }
    case WM_SIZE:
      MarkChanged();
      FCache.RegionStale = true;
      break;
    default: break;
  }
  TacMainWnd::WndProc(Message);
}
