#include "framework/application.h"

#include <commctrl.h>

#include "framework/app_events.h"
#include "framework/screen.h"

TApplication* Application = nullptr;

namespace {
TScreen TheScreen;
}

TApplication::TApplication() : TComponent(nullptr) {
  Application = this;
  Screen = &TheScreen;
}

TApplication::~TApplication() {
  // Forms and their components go while the application is still whole.
  while (GetComponentCount() > 0) delete GetComponent(GetComponentCount() - 1);
  // A quit request this application posted and never took belongs to nobody else.
  MSG quit;
  if (FTerminated) PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  FIcon.Assign(icon ? icon : LoadIconW(nullptr, IDI_APPLICATION));
}

HWND TApplication::GetHandle() const { return FMainForm ? FMainForm->GetHandle() : nullptr; }

std::wstring TApplication::GetExeName() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring TApplication::GetTitle() const {
  std::wstring name = GetExeName();
  name.erase(0, name.find_last_of(L"\\/") + 1);
  if (const size_t dot = name.rfind(L'.'); dot != std::wstring::npos) name.erase(dot);
  return name;
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  MSG msg;
  while (!FTerminated) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    ProcessMessage(msg);
  }
  FTerminated = true;
}

bool TApplication::ProcessMessage(MSG& Msg) {
  bool handled = false;
  if (OnMessage) OnMessage(Msg, handled);
  if (!handled)
    FEvents.Broadcast([&](TApplicationEvents* listener) {
      if (listener->OnMessage) listener->OnMessage(Msg, handled);
      return handled;
    });
  if (handled) return true;
  // Tab, Shift+Tab and the arrow keys move between the controls of a form.
  HWND root = Msg.hwnd ? GetAncestor(Msg.hwnd, GA_ROOT) : nullptr;
  if (root && dynamic_cast<TForm*>(TWinControl::FromHandle(root)) && IsDialogMessageW(root, &Msg))
    return true;
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // left for the loop
      return;
    }
    ProcessMessage(msg);
  }
}

void TApplication::Terminate() {
  if (FTerminated) return;
  FTerminated = true;
  PostQuitMessage(0);
}

void TApplication::Minimize() {
  if (FMinimized) return;
  FMinimized = true;
  if (HWND window = GetHandle(); window && !IsIconic(window)) ShowWindow(window, SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
  FEvents.Broadcast([this](TApplicationEvents* listener) {
    if (listener->OnMinimize) listener->OnMinimize(this);
    return false;
  });
}

void TApplication::Restore() {
  if (!FMinimized) return;
  FMinimized = false;
  if (HWND window = GetHandle(); window && IsIconic(window)) ShowWindow(window, SW_RESTORE);
  if (OnRestore) OnRestore(this);
  FEvents.Broadcast([this](TApplicationEvents* listener) {
    if (listener->OnRestore) listener->OnRestore(this);
    return false;
  });
}

int TApplication::HookMainWindow(TWindowHook Hook) {
  FHooks.Add(std::make_shared<TMainWindowHook>(TMainWindowHook{FNextHookId, std::move(Hook)}));
  return FNextHookId++;
}

void TApplication::UnhookMainWindow(int Id) {
  FHooks.RemoveIf([Id](const std::shared_ptr<TMainWindowHook>& entry) { return entry->Id == Id; });
}

bool TApplication::CallMainWindowHooks(TMessage& Message) {
  // The entry is held for the length of its call: a hook may unhook itself.
  return FHooks.Broadcast([&Message](std::shared_ptr<TMainWindowHook> entry) { return entry->Hook(Message); });
}
