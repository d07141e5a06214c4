#include "framework/win_control.h"

#include <algorithm>

namespace {

constexpr wchar_t kWindowClass[] = L"LanqueWindow";
constexpr wchar_t kControlProperty[] = L"LanqueControl";

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  // The owner frees the children after this object is gone: cut them loose now.
  for (TControl* control : FControls) control->FParent = nullptr;
  FControls.clear();
  DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND Window) {
  return static_cast<TWinControl*>(GetPropW(Window, kControlProperty));
}

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

void TWinControl::CreateWnd() {
  static const ATOM windowClass = [] {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = StdWndProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    return RegisterClassExW(&wc);
  }();
  (void)windowClass;

  TCreateParams params;
  CreateParams(params);
  const bool ownClass = params.ClassName == nullptr;
  HWND window = CreateWindowExW(params.ExStyle, ownClass ? kWindowClass : params.ClassName,
                                FText.c_str(), params.Style, GetLeft(), GetTop(), GetWidth(),
                                GetHeight(), params.WndParent, nullptr, ModuleInstance(),
                                ownClass ? this : nullptr);
  if (!window) return;
  if (ownClass) {
    FDefWndProc = DefWindowProcW;  // the property was set at WM_NCCREATE
  } else {
    FHandle = window;
    SetPropW(window, kControlProperty, this);
    FDefWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StdWndProc)));
  }
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont().GetHandle()), FALSE);
  for (TControl* control : FControls)
    if (control->IsWindowed()) static_cast<TWinControl*>(control)->GetHandle();
  UpdateTabOrder();
  AlignControls();
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  HWND window = FHandle;
  // Messages sent while the window goes down take the default road: this
  // object may already be partly destroyed.
  RemovePropW(window, kControlProperty);
  if (FDefWndProc != DefWindowProcW)
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
  FHandle = nullptr;
  DestroyWindow(window);
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* control = FromHandle(Window);
  if (!control && Msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(LParam);
    control = static_cast<TWinControl*>(create->lpCreateParams);
    if (control) {
      control->FHandle = Window;
      control->FDefWndProc = DefWindowProcW;
      SetPropW(Window, kControlProperty, control);
    }
  }
  if (!control) return DefWindowProcW(Window, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  control->WindowProc(message);
  return message.Result;
}

void TWinControl::WndProc(TMessage& Message) { Dispatch(Message); }

void TWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); break;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); break;
    case WM_SIZE: WMSize(Message); break;
    case WM_COMMAND: WMCommand(Message); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: WMCtlColor(Message); break;
    case WM_NCDESTROY: WMNCDestroy(Message); break;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE: TrackMouse(Message); break;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
      if (!(pos->flags & SWP_NOSIZE) || !(pos->flags & SWP_NOMOVE)) {
        RECT rect;
        GetWindowRect(FHandle, &rect);
        if (GetParent()) MapWindowPoints(HWND_DESKTOP, GetParent()->GetHandle(),
                                         reinterpret_cast<POINT*>(&rect), 2);
        StoreBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
      }
      DefaultHandler(Message);
      break;
    }
    default: DefaultHandler(Message);
  }
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (FHandle && FDefWndProc)
    Message.Result = CallWindowProcW(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TWinControl::WMPaint(TMessage& Message) {
  if (FDefWndProc != DefWindowProcW) return DefaultHandler(Message);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FHandle, &ps);
  RECT client = GetClientRect();
  const int width = std::max<int>(1, client.right), height = std::max<int>(1, client.bottom);
  TOwnedMemoryDC memory(CreateCompatibleDC(dc));
  TOwnedBitmap buffer(CreateCompatibleBitmap(dc, width, height));
  {
    TSelectObject selected(memory.Get(), buffer.Get());
    TCanvas canvas(memory.Get());
    PaintWindow(canvas);
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, memory.Get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  }
  EndPaint(FHandle, &ps);
  Message.Result = 0;
}

void TWinControl::PaintWindow(TCanvas& Canvas) {
  Canvas.FillRect(GetClientRect(), GetColor());
  HDC dc = Canvas.GetHandle();
  for (TControl* control : FControls) {
    if (control->IsWindowed() || !control->GetVisible()) continue;
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, control->GetLeft(), control->GetTop(), nullptr);
    IntersectClipRect(dc, 0, 0, control->GetWidth(), control->GetHeight());
    control->Paint(Canvas);
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

void TWinControl::WMNCDestroy(TMessage& Message) {
  DefaultHandler(Message);
  RemovePropW(FHandle, kControlProperty);
  FHandle = nullptr;
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
  if (FHandle) SetWindowTextW(FHandle, FText.c_str());
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
