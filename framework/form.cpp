#include "framework/form.h"

#include "framework/application.h"
#include "framework/button.h"
#include "framework/screen.h"

namespace {

// The first enabled, visible default button with a window among the children, at any depth.
TButton* FindDefaultButton(TWinControl* Parent) {
  for (int i = 0; i < Parent->GetControlCount(); ++i) {
    TControl* control = Parent->GetControl(i);
    if (control->IsDestroying() || !control->GetVisible() || !control->GetEnabled()) continue;
    auto* button = dynamic_cast<TButton*>(control);
    if (button && button->GetDefault() && button->HandleAllocated()) return button;
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
      if (TButton* inner = FindDefaultButton(windowed)) return inner;
  }
  return nullptr;
}

}  // namespace

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
  SetVisible(false);  // forms are shown by the application or by Show
}

TForm::~TForm() {
  if (Screen) Screen->RemoveForm(this);
  if (Application && Application->GetMainForm() == this) Application->MainFormDestroyed();
}

DWORD TForm::FrameStyle() const {
  DWORD style = WS_CLIPCHILDREN;
  switch (FBorderStyle) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: style |= WS_OVERLAPPED | WS_CAPTION; break;
    case bsSizeable:
    case bsSizeToolWin: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME; break;
  }
  if (FBorderStyle != bsNone && (FBorderIcons & biSystemMenu)) {
    style |= WS_SYSMENU;
    if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
      if (FBorderIcons & biMinimize) style |= WS_MINIMIZEBOX;
      if (FBorderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
    }
  }
  return style;
}

DWORD TForm::FrameExStyle() const {
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (FBorderStyle == bsDialog) exStyle |= WS_EX_DLGMODALFRAME;
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) exStyle |= WS_EX_TOOLWINDOW;
  return exStyle;
}

void TForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = FrameStyle();  // created hidden; VisibleChanged shows it
  Params.ExStyle = FrameExStyle();
}

void TForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (!HandleAllocated()) return;
  if (TMainMenu* menu = FMenu.Get()) menu->ShowOn(GetHandle());
  if (!Application) return;
  if (HICON icon = Application->GetIcon().GetHandle()) {
    SendMessageW(GetHandle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(GetHandle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
}

void TForm::ApplyFrameStyle() {
  if (!HandleAllocated()) return;
  HWND window = GetHandle();
  const LONG_PTR kept = GetWindowLongPtrW(window, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_DISABLED);
  SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(FrameStyle()) | kept);
  SetWindowLongPtrW(window, GWL_EXSTYLE, FrameExStyle());
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  ApplyFrameStyle();
}

void TForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  ApplyFrameStyle();
}

TWindowState TForm::GetWindowState() const {
  if (!HandleAllocated()) return FWindowState;
  HWND window = const_cast<TForm*>(this)->GetHandle();
  if (IsIconic(window)) return wsMinimized;
  if (IsZoomed(window)) return wsMaximized;
  return GetVisible() ? wsNormal : FWindowState;
}

void TForm::SetWindowState(TWindowState Value) {
  FWindowState = Value;
  if (!GetVisible() || !HandleAllocated()) return;
  static constexpr int kShow[] = {SW_RESTORE, SW_MINIMIZE, SW_SHOWMAXIMIZED};
  ShowWindow(GetHandle(), kShow[Value]);
}

void TForm::VisibleChanged() {
  HWND window = GetHandle();
  if (!window) return;
  if (!GetVisible()) {
    ShowWindow(window, SW_HIDE);
    return;
  }
  static constexpr int kShow[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
  ShowWindow(window, kShow[FWindowState]);
}

void TForm::SetClientSize(int AWidth, int AHeight) {
  RECT rect{0, 0, AWidth, AHeight};
  AdjustWindowRectEx(&rect, FrameStyle(), FMenu.Get() != nullptr, FrameExStyle());  // the bar takes one row
  SetBounds(GetLeft(), GetTop(), rect.right - rect.left, rect.bottom - rect.top);
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (!CloseQuery()) return;
  if (OnClose) OnClose(this);
  Hide();
  if (Application && Application->GetMainForm() == this) Application->Terminate();
}

void TForm::SetMenu(TMainMenu* Value) {
  if (Value == FMenu.Get()) return;
  if (TMainMenu* old = FMenu.Get()) old->ShowOn(nullptr);
  FMenu = Value;
  if (Value) Value->ShowOn(GetHandle());
  else if (HandleAllocated()) DrawMenuBar(GetHandle());
}

void TForm::AfterConstruction() {
  if (OnCreate) OnCreate(this);
}

void TForm::Dispatch(TMessage& Message) {
  if (Application && Application->GetMainForm() == this && Application->CallMainWindowHooks(Message))
    return;
  if (TMainMenu* menu = FMenu.Get(); menu && menu->WindowMessage(Message)) return;
  switch (Message.Msg) {
    case WM_CLOSE: WMClose(Message); break;
    case WM_DESTROY:
      if (TMainMenu* menu = FMenu.Get()) menu->ShowOn(nullptr);  // the bar is the menu's, not the window's
      TWinControl::Dispatch(Message);
      break;
    case WM_SYSCOMMAND: WMSysCommand(Message); break;
    case WM_ACTIVATE: WMActivate(Message); break;
    case WM_ENDSESSION: WMEndSession(Message); break;
    case DM_GETDEFID: Message.Result = DefaultButtonId(); break;
    case WM_SIZE:
      // Minimised from outside (the taskbar, the shell): the application follows.
      if (Message.WParam == SIZE_MINIMIZED && Application && Application->GetMainForm() == this)
        Application->Minimize();
      TWinControl::Dispatch(Message);
      break;
    default: TWinControl::Dispatch(Message);
  }
}

LRESULT TForm::DefaultButtonId() {
  TButton* button = FindDefaultButton(this);
  return button ? MAKELRESULT(button->GetControlId(), DC_HASDEFID) : 0;
}

void TForm::WMClose(TMessage& Message) {
  Close();
  Message.Result = 0;
}

void TForm::WMEndSession(TMessage& Message) {
  Message.Result = 0;
  if (!Message.WParam || !Application || Application->GetMainForm() != this) return;
  if (OnClose) OnClose(this);
  Hide();
  Application->Terminate();
}

void TForm::WMSysCommand(TMessage& Message) {
  const bool isMain = Application && Application->GetMainForm() == this;
  const WPARAM command = Message.WParam & 0xFFF0;
  // The main form stands for the application: minimising it minimises the
  // application, which tells everyone listening.
  if (isMain && command == SC_MINIMIZE) {
    Application->Minimize();
    Message.Result = 0;
    return;
  }
  if (isMain && command == SC_RESTORE && Application->IsMinimized()) {
    Application->Restore();
    Message.Result = 0;
    return;
  }
  DefaultHandler(Message);
}

void TForm::WMActivate(TMessage& Message) {
  HWND window = GetHandle();
  if (LOWORD(Message.WParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) FFocusedChild = focus;
    DefaultHandler(Message);
    return;
  }
  if (Screen) Screen->SetActiveForm(this);
  DefaultHandler(Message);
  // Like a dialog: the focus goes back where it was, or to the first tab stop.
  if (!FFocusedChild || !IsChild(window, FFocusedChild) || !IsWindowVisible(FFocusedChild))
    FFocusedChild = GetNextDlgTabItem(window, nullptr, FALSE);
  if (FFocusedChild && !HIWORD(Message.WParam)) ::SetFocus(FFocusedChild);
}
