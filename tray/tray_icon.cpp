#include "tray/tray_icon.h"

#include "framework/application.h"
#include "framework/errors.h"
#include "framework/screen.h"

namespace {

// Copies as much of Text as fits into a zero-terminated field of N
// characters, never ending on the first half of a surrogate pair.
template <size_t N>
void CopyToField(wchar_t (&Field)[N], const std::wstring& Text) {
  size_t length = std::min(Text.size(), N - 1);
  if (length > 0 && length < Text.size() && IS_HIGH_SURROGATE(Text[length - 1])) --length;
  Text.copy(Field, length);
  Field[length] = L'\0';
}

constexpr int kMaxHintLength = 64;  // hints this long or longer are refused

}  // namespace

TTrayIcon::TTrayIcon(TComponent* AOwner)
    : TComponent(AOwner), FTaskbarCreated(RegisterWindowMessageW(L"TaskbarCreated")) {
  if (Application) FIcon.Assign(Application->GetIcon().GetHandle());
  FTimer = std::make_unique<TTimer>(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(1000);
  FTimer->OnTimer = [this](TComponent*) { DoOnAnimate(); };
  FWindow = std::make_unique<TUtilityWindow>([this](TMessage& Message) { DoMessage(Message); });

  FIconData.cbSize = NOTIFYICONDATAW_V2_SIZE;
  FIconData.hWnd = FWindow->GetHandle();
  FIconData.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(this));
  FIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_STATE | NIF_INFO;
  FIconData.uCallbackMessage = WM_TRAYICON_CALLBACK;
  FIconData.dwState = NIS_SHAREDICON;
  FIconData.dwStateMask = 0;
  FIconData.dwInfoFlags = NIIF_INFO;
  Update();
}

TTrayIcon::~TTrayIcon() {
  Shell_NotifyIconW(NIM_DELETE, &FIconData);
  if (FHookId && Application) Application->UnhookMainWindow(FHookId);
}

void TTrayIcon::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  if (Value) {
    if (!Shell_NotifyIconW(NIM_ADD, &FIconData))
      throw EOutOfResources("Cannot Create System Shell Notification Icon");
    if (Application && !FHookId)
      FHookId = Application->HookMainWindow([this](TMessage& Message) { return ApplicationHookProc(Message); });
  } else {
    if (!Shell_NotifyIconW(NIM_DELETE, &FIconData))
      throw EOutOfResources("Cannot Remove System Shell Notification Icon");
    if (FHookId && Application) Application->UnhookMainWindow(FHookId);
    FHookId = 0;
  }
}

void TTrayIcon::SetHint(const std::wstring& Value) {
  if (Value == FHint || Value.size() >= kMaxHintLength) return;
  FHint = Value;
  CopyToField(FIconData.szTip, FHint);
  if (FHint.empty())
    FIconData.uFlags &= ~NIF_TIP;
  else
    FIconData.uFlags |= NIF_TIP;
  Update();
}

void TTrayIcon::Update() {
  FIconData.hIcon = FIcon.GetHandle();
  if (FVisible) Shell_NotifyIconW(NIM_MODIFY, &FIconData);
}

void TTrayIcon::SetIconIndex(int Value) {
  FIconIndex = Value;
  if (FIcons) FIcons->GetIcon(Value, FIcon);
  Update();
}

void TTrayIcon::SetDefaultIcon() {
  if (Application) FIcon.Assign(Application->GetIcon().GetHandle());
  Update();
}

void TTrayIcon::SetAnimate(bool Value) {
  if (FIcons || IsLoading()) FAnimate = Value;
  if (FIcons) FTimer->SetEnabled(Value);
}

void TTrayIcon::Loaded() {
  TComponent::Loaded();
  if (FIcons) {
    FTimer->SetEnabled(FAnimate);
    FIcons->GetIcon(FIconIndex, FIcon);
  } else {
    FAnimate = false;
    if (Application) FIcon.Assign(Application->GetIcon().GetHandle());
  }
  Update();
}

void TTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FIcons) FIcons = nullptr;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TTrayIcon::ShowBalloon(const std::wstring& Title, const std::wstring& Text, HICON Icon) {
  CopyToField(FIconData.szInfoTitle, Title);
  CopyToField(FIconData.szInfo, Text);
  CopyToField(FIconData.szTip, Title + L"\n" + Text);
  FIconData.hIcon = Icon;  // Update puts the current icon back
  Update();
}

void TTrayIcon::Minimize() {
  if (Application) {
    Application->Minimize();
    if (HWND window = Application->GetHandle()) ShowWindow(window, SW_HIDE);
  }
  if (OnMinimize) OnMinimize(this);
}

void TTrayIcon::Restore() {
  if (Application) {
    Application->Restore();
    if (HWND window = Application->GetHandle()) {
      ShowWindow(window, SW_SHOW);
      SetForegroundWindow(window);
    }
  }
  if (OnRestore) OnRestore(this);
}

void TTrayIcon::ShowMenu() {
  if (!FPopupMenu) return;
  POINT cursor;
  GetCursorPos(&cursor);
  if (Screen && Screen->GetActiveForm() && Screen->GetActiveForm()->HandleAllocated())
    SetForegroundWindow(Screen->GetActiveForm()->GetHandle());
  FPopupMenu->Popup(cursor.x, cursor.y);
}

void TTrayIcon::EndSession() { Shell_NotifyIconW(NIM_DELETE, &FIconData); }

TShiftState TTrayIcon::ShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

bool TTrayIcon::ApplicationHookProc(TMessage& Message) {
  if (Message.Msg == WM_SYSCOMMAND) {
    const WPARAM command = Message.WParam & 0xFFF0;
    if (command == SC_MINIMIZE) Minimize();
    if (command == SC_RESTORE) Restore();
  }
  return false;  // the application goes on handling the message itself
}

void TTrayIcon::DoMessage(TMessage& Message) {
  if (Message.Msg == WM_QUERYENDSESSION) {
    Message.Result = 1;
    return;
  }
  if (Message.Msg == WM_ENDSESSION) EndSession();
  if (Message.Msg == WM_TRAYICON_CALLBACK) DoShellNotification(static_cast<UINT>(LOWORD(Message.LParam)));
  // After a restart of the shell its notification area is empty again.
  if (Message.Msg == FTaskbarCreated && FVisible) Shell_NotifyIconW(NIM_ADD, &FIconData);
  FWindow->DefaultHandler(Message);
}

void TTrayIcon::ActOn(TTrayIconMessage Action) {
  if (FRestoreOn == Action) Restore();
  if (FPopupMenuOn == Action) ShowMenu();
}

void TTrayIcon::DoShellNotification(UINT MouseMessage) {
  POINT cursor{};
  GetCursorPos(&cursor);
  const TShiftState shift = ShiftState();
  switch (MouseMessage) {
    case WM_MOUSEMOVE:
      if (OnClick) DoMouseMove(shift, cursor.x, cursor.y);
      break;
    case WM_LBUTTONDOWN: DoMouseDown(mbLeft, shift | ssLeft, cursor.x, cursor.y); break;
    case WM_LBUTTONUP:
      if (OnClick) DoClick();
      DoMouseUp(mbLeft, shift | ssLeft, cursor.x, cursor.y);
      ActOn(imLeftClickUp);
      break;
    case WM_LBUTTONDBLCLK:
      DoDblClick();
      ActOn(imLeftDoubleClick);
      break;
    case WM_RBUTTONDOWN: DoMouseDown(mbRight, shift | ssRight, cursor.x, cursor.y); break;
    case WM_RBUTTONUP:
      DoMouseUp(mbRight, shift | ssRight, cursor.x, cursor.y);
      ActOn(imRightClickUp);
      break;
    case WM_RBUTTONDBLCLK:
      DoDblClick();
      ActOn(imRightDoubleClick);
      break;
    case WM_MBUTTONDOWN: DoMouseDown(mbMiddle, shift | ssMiddle, cursor.x, cursor.y); break;
    case WM_MBUTTONUP: DoMouseUp(mbMiddle, shift | ssMiddle, cursor.x, cursor.y); break;
    case WM_MBUTTONDBLCLK: DoDblClick(); break;
    case WM_TRAYICON_BALLOONCLICK: Restore(); break;
    default: break;
  }
}

void TTrayIcon::DoClick() {
  ActOn(imClick);
  if (OnClick) OnClick(this);
}

void TTrayIcon::DoDblClick() {
  ActOn(imDoubleClick);
  if (OnDblClick) OnDblClick(this);
}

void TTrayIcon::DoMouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TTrayIcon::DoMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  ActOn(imMouseDown);
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TTrayIcon::DoMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  ActOn(imMouseUp);
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TTrayIcon::DoOnAnimate() {
  const int count = FIcons ? FIcons->GetCount() : 0;
  if (count == 0) return;
  SetIconIndex(FIconIndex + 1 >= count ? 0 : FIconIndex + 1);
}
