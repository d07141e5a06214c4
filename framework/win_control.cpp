#include "framework/win_control.h"

#include <algorithm>
#include <atomic>

#include "framework/window_class.h"

namespace {

constexpr wchar_t kWindowClass[] = L"LanqueWindow";
constexpr wchar_t kControlProperty[] = L"LanqueControl";

std::atomic<int> gBackBuffersMade{0};

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

bool IsNonClientMessage(UINT Msg) {
  return (Msg >= WM_NCCALCSIZE && Msg <= WM_NCACTIVATE) || (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCXBUTTONDBLCLK) ||
         Msg == WM_NCMOUSEHOVER || Msg == WM_NCMOUSELEAVE;
}

// A 32-bit top-down DIB section: the same pixels whatever DC it is drawn to.
HBITMAP CreateBackBuffer(int Width, int Height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = Width;
  info.bmiHeader.biHeight = -Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner), FSubclass([this](TMessage& Message) { MainWndProc(Message); }) {}

TWinControl::~TWinControl() {
  // Freed without BeforeDestruction (not on the heap): what replaced
  // WindowProc may be gone, so the window's last messages take the plain road.
  WindowProc = [this](TMessage& Message) { TWinControl::WndProc(Message); };
  ReleaseSkinHooks();
  DestroyHandle();
  // The owner frees the children after this object is gone: cut them loose now.
  for (TControl* control : FControls) control->FParent = nullptr;
  FControls.clear();
}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  DestroyHandle();
  ReleaseSkinHooks();
}

TWinControl* TWinControl::FromHandle(HWND Window) {
  return static_cast<TWinControl*>(GetPropW(Window, kControlProperty));
}

int TWinControl::BackBuffersMade() { return gBackBuffersMade.load(); }

HWND TWinControl::GetHandle() {
  if (!FHandle) CreateWnd();
  return FHandle;
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (GetParent()) {
    Params.Style |= WS_CHILD;
    Params.WndParent = GetParent()->GetHandle();
  }
  if (GetVisible()) Params.Style |= WS_VISIBLE;
  if (!GetEnabled()) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
}

void TWinControl::WindowCreated(HWND Window) {
  FHandle = Window;
  SetPropW(Window, kControlProperty, this);
}

void TWinControl::CreateWnd() {
  // The framework's class: the system's default procedure below the control's subclass.
  RegisterWindowClassOnce(kWindowClass, DefWindowProcW, CS_DBLCLKS);
  TCreateParams params;
  CreateParams(params);
  FOwnClass = params.ClassName == nullptr;
  {
    const TWindowSubclass::TOnCreate attach(FSubclass, [this](HWND Window) { WindowCreated(Window); });
    CreateWindowExW(params.ExStyle, FOwnClass ? kWindowClass : params.ClassName, FText.c_str(), params.Style,
                    GetLeft(), GetTop(), GetWidth(), GetHeight(), params.WndParent,
                    (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(params.ControlId) : nullptr, ModuleInstance(),
                    nullptr);
  }
  if (!FHandle) return;  // refused; a window made and then failed has gone through WM_NCDESTROY
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont().GetHandle()), FALSE);
  for (TControl* control : FControls)
    if (control->IsWindowed()) static_cast<TWinControl*>(control)->GetHandle();
  UpdateTabOrder();
  AlignControls();
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  DestroyWindow(FHandle);
  if (!FHandle) return;
  // Not destroyed (a window of another thread): let go of it all the same.
  FSubclass.Detach();
  RemovePropW(FHandle, kControlProperty);
  FHandle = nullptr;
}

void TWinControl::ReleaseSkinHooks() {
  if (TSkinHooks* hooks = std::exchange(FSkinHooks, nullptr)) hooks->Released(*this);
}

void TWinControl::MainWndProc(TMessage& Message) {
  const TDispatchScope scope(this);  // freeing this control now waits for the return
  if (FSkinHooks) {
    const bool answered = IsNonClientMessage(Message.Msg) ? FSkinHooks->NonClient(*this, Message)
                                                          : FSkinHooks->Message(*this, Message);
    if (answered) return;
  }
  WindowProc(Message);
}

void TWinControl::WndProc(TMessage& Message) { Dispatch(Message); }

void TWinControl::Dispatch(TMessage& Message) {
  if (RouteMouse(Message)) {
    if (Message.Msg == WM_MOUSEMOVE) TrackMouse(Message);  // the window's own enter and leave
    return;
  }
  switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); break;
    case WM_PRINTCLIENT: WMPrintClient(Message); break;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); break;
    case WM_SIZE: WMSize(Message); break;
    case WM_COMMAND: WMCommand(Message); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: WMCtlColor(Message); break;
    case WM_DRAWITEM: WMDrawItem(Message); break;
    case WM_NCDESTROY: WMNCDestroy(Message); break;
    case WM_SETTEXT:
      DefaultHandler(Message);
      TakeWindowText();
      break;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE: TrackMouse(Message); break;
    case WM_WINDOWPOSCHANGED: {
      const TWMWindowPosMsg pos(Message);
      if (!(pos.WindowPos->flags & SWP_NOSIZE) || !(pos.WindowPos->flags & SWP_NOMOVE)) {
        RECT rect;
        GetWindowRect(FHandle, &rect);
        if (HWND parent = ::GetParent(FHandle); parent && (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD))
          MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
        StoreBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
      }
      DefaultHandler(Message);
      break;
    }
    default: DefaultHandler(Message);
  }
}

void TWinControl::DefaultHandler(TMessage& Message) { FSubclass.CallDefault(Message); }

void TWinControl::WMPaint(TMessage& Message) {
  if (!FOwnClass) return DefaultHandler(Message);  // system classes paint themselves
  const TWMPaint paint(Message);
  if (paint.DC) {
    PaintTo(paint.DC, GetClientRect());
  } else {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(FHandle, &ps);
    PaintTo(dc, ps.rcPaint);
    EndPaint(FHandle, &ps);
  }
  Message.Result = 0;
}

void TWinControl::WMPrintClient(TMessage& Message) {
  if (!FOwnClass) return DefaultHandler(Message);
  PaintTo(TWMPaint(Message).DC, GetClientRect());
  Message.Result = 0;
}

void TWinControl::PaintTo(HDC DC, const RECT& Area) {
  const RECT client = GetClientRect();
  const int width = std::max<int>(1, client.right), height = std::max<int>(1, client.bottom);
  if (!FBackBuffer || FBackBufferSize.cx != width || FBackBufferSize.cy != height) {
    FBackBuffer.Reset(CreateBackBuffer(width, height));
    FBackBufferSize = {width, height};
    ++gBackBuffersMade;
  }
  const TOwnedMemoryDC memory(CreateCompatibleDC(DC));
  if (!FBackBuffer || !memory) return;
  {
    const TSelectObject selected(memory.Get(), FBackBuffer.Get());
    TCanvas canvas(memory.Get());
    PaintWindow(canvas);
    BitBlt(DC, Area.left, Area.top, Area.right - Area.left, Area.bottom - Area.top, memory.Get(), Area.left,
           Area.top, SRCCOPY);
  }
}

void TWinControl::PaintWindow(TCanvas& Canvas) {
  const RECT client = GetClientRect();
  if (!FSkinHooks || !FSkinHooks->PaintBackground(*this, Canvas.GetHandle(), client))
    Canvas.FillRect(client, GetColor());
  HDC dc = Canvas.GetHandle();
  for (TControl* control : FControls) {
    if (control->IsWindowed() || !control->GetVisible()) continue;
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, control->GetLeft(), control->GetTop(), nullptr);
    IntersectClipRect(dc, 0, 0, control->GetWidth(), control->GetHeight());
    // As a message, so that whoever took over the control's messages paints it.
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    RestoreDC(dc, saved);
  }
}

void TWinControl::WMSize(TMessage& Message) {
  AlignControls();
  DefaultHandler(Message);
}

void TWinControl::WMCommand(TMessage& Message) {
  HWND child = reinterpret_cast<HWND>(Message.LParam);
  if (TWinControl* control = child ? FromHandle(child) : nullptr) {
    Message.Result = control->Perform(CN_COMMAND, Message.WParam, Message.LParam);
    return;
  }
  DefaultHandler(Message);
}

void TWinControl::WMCtlColor(TMessage& Message) {
  HWND child = reinterpret_cast<HWND>(Message.LParam);
  if (TWinControl* control = FromHandle(child)) {
    Message.Result = control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
    if (Message.Result) return;
  }
  DefaultHandler(Message);
}

void TWinControl::WMDrawItem(TMessage& Message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  TWinControl* control = item && item->CtlType == ODT_BUTTON ? FromHandle(item->hwndItem) : nullptr;
  if (control && control != this) {
    Message.Result = control->Perform(CN_DRAWITEM, Message.WParam, Message.LParam);
    return;
  }
  DefaultHandler(Message);
}

void TWinControl::TrackMouse(TMessage& Message) {
  if (Message.Msg == WM_MOUSEMOVE && !FMouseInside) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle, 0};
    FMouseInside = TrackMouseEvent(&track) != FALSE;
    if (FMouseInside) Perform(CM_MOUSEENTER);
  } else if (Message.Msg == WM_MOUSELEAVE && FMouseInside) {
    FMouseInside = false;
    Perform(CM_MOUSELEAVE);
  }
  DefaultHandler(Message);
}

TControl* TWinControl::GraphicControlAt(POINT Point) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* control = *it;
    if (control->IsWindowed() || !control->GetVisible() || control->IsDestroying()) continue;
    const RECT bounds = control->GetBoundsRect();
    if (PtInRect(&bounds, Point)) return control;
  }
  return nullptr;
}

void TWinControl::SetMouseControl(TControl* Control) {
  if (Control == FMouseControl.Get()) return;
  TComponentRef<TControl> old = FMouseControl;
  FMouseControl = Control;
  if (TControl* left = old.Get()) left->Perform(CM_MOUSELEAVE);
  if (TControl* entered = FMouseControl.Get(); entered && entered == Control) entered->Perform(CM_MOUSEENTER);
}

bool TWinControl::RouteMouse(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: break;
    case WM_MOUSELEAVE:
      if (!FCaptureControl) SetMouseControl(nullptr);
      return false;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(Message.LParam) != FHandle) FCaptureControl = nullptr;
      return false;
    default: return false;
  }
  const POINT point{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  SetMouseControl(GraphicControlAt(point));
  TComponentRef<TControl> target = FCaptureControl ? FCaptureControl : FMouseControl;
  if (!target || !target->GetEnabled()) return false;
  if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) {
    FCaptureControl = target.Get();
    SetCapture(FHandle);
  } else if (Message.Msg == WM_LBUTTONUP && FCaptureControl) {
    FCaptureControl = nullptr;  // released before the click, which may open a modal window
    if (GetCapture() == FHandle) ReleaseCapture();
  }
  const LPARAM local = MAKELPARAM(point.x - target->GetLeft(), point.y - target->GetTop());
  Message.Result = target->Perform(Message.Msg, Message.WParam, local);
  return true;
}

void TWinControl::WMNCDestroy(TMessage& Message) {
  DefaultHandler(Message);
  RemovePropW(FHandle, kControlProperty);
  FHandle = nullptr;
  // The window's mouse tracking and its pictures end with it.
  FMouseInside = false;
  FBackBuffer.Reset();
  FBackBufferSize = {0, 0};
}

HBRUSH TWinControl::GetBackgroundBrush() {
  const COLORREF color = ColorToRGB(GetColor());
  if (!FBackgroundBrush || FBackgroundBrushColor != color) {
    FBackgroundBrush.Reset(CreateSolidBrush(color));
    FBackgroundBrushColor = color;
  }
  return FBackgroundBrush.Get();
}

RECT TWinControl::GetClientRect() const {
  RECT rect{0, 0, GetWidth(), GetHeight()};
  if (FHandle) ::GetClientRect(FHandle, &rect);
  return rect;
}

std::wstring TWinControl::GetText() const {
  if (!FHandle) return FText;
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(FHandle)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(FHandle, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, FALSE);
}

void TWinControl::AlignControls() {
  if (!FHandle) return;
  const RECT client = GetClientRect();
  for (TControl* control : FControls)
    if (control->GetAlign() == alClient)
      control->SetBounds(0, 0, client.right - client.left, client.bottom - client.top);
}

void TWinControl::SetParent(TWinControl* AParent) {
  if (AParent == GetParent()) return;
  TControl::SetParent(AParent);
  if (!FHandle || !(GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD)) return;
  if (!AParent) {
    DestroyHandle();  // a child window cannot stand alone; it is made again when needed
    return;
  }
  ::SetParent(FHandle, AParent->GetHandle());
  SetWindowPos(FHandle, nullptr, GetLeft(), GetTop(), GetWidth(), GetHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
  AParent->UpdateTabOrder();
}

void TWinControl::BoundsChanged() {
  if (FHandle)
    SetWindowPos(FHandle, nullptr, GetLeft(), GetTop(), GetWidth(), GetHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::VisibleChanged() {
  if (FHandle) ShowWindow(FHandle, GetVisible() ? SW_SHOW : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (FHandle) EnableWindow(FHandle, GetEnabled());
}

void TWinControl::TextChanged() {
  if (FHandle && !FTakingWindowText) SetWindowTextW(FHandle, FText.c_str());
}

// A text given to the window itself (SetWindowText, WM_SETTEXT from anyone)
// is the control's text: it follows as if set through SetText.
void TWinControl::TakeWindowText() {
  if (!FHandle || FTakingWindowText) return;
  std::wstring text = GetText();
  if (text == FText) return;
  FText = std::move(text);
  FTakingWindowText = true;
  TextChanged();
  FTakingWindowText = false;
}

void TWinControl::FontChanged() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont().GetHandle()), TRUE);
  for (TControl* control : FControls) control->ParentFontChanged();
}

void TWinControl::ColorChanged() {
  Invalidate();
  for (TControl* control : FControls) control->Invalidate();
}

void TWinControl::SetTabOrder(int Value) {
  FTabOrder = Value;
  if (GetParent()) GetParent()->UpdateTabOrder();
}

void TWinControl::SetTabStop(bool Value) {
  FTabStop = Value;
  if (!FHandle) return;
  LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  SetWindowLongPtrW(FHandle, GWL_STYLE, Value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

void TWinControl::UpdateTabOrder() {
  if (!FHandle) return;
  std::vector<TWinControl*> ordered;
  for (TControl* control : FControls)
    if (control->IsWindowed()) ordered.push_back(static_cast<TWinControl*>(control));
  std::stable_sort(ordered.begin(), ordered.end(), [](TWinControl* a, TWinControl* b) {
    return static_cast<unsigned>(a->FTabOrder) < static_cast<unsigned>(b->FTabOrder);
  });
  // Tab moves through sibling windows in z-order: put them in tab order.
  HWND after = HWND_TOP;
  for (TWinControl* control : ordered) {
    if (!control->FHandle) continue;
    SetWindowPos(control->FHandle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = control->FHandle;
  }
}

void TWinControl::SetFocus() {
  if (HWND window = GetHandle()) ::SetFocus(window);
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::InsertControl(TControl* AControl) {
  FControls.push_back(AControl);
  if (FHandle && AControl->IsWindowed()) {
    static_cast<TWinControl*>(AControl)->GetHandle();
    UpdateTabOrder();
  }
  AControl->Invalidate();
}

void TWinControl::RemoveControl(TControl* AControl) {
  AControl->Invalidate();
  FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
}
