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
  const std::vector<TApplicationEvents*> events = FEvents;
  for (TApplicationEvents* listener : events)
    if (!handled && listener->OnMessage) listener->OnMessage(Msg, handled);
  if (handled) return true;
  // Tab, Shift+Tab and the arrow keys move between the controls of a form.
  HWND root = Msg.hwnd ? GetAncestor(Msg.hwnd, GA_ROOT) : nullptr;
  if (root && dynamic_cast<TForm*>(TWinControl::FromHandle(root)) && IsDialogMessageW(root, &Msg))
    return true;
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
  return true;
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
  const std::vector<TApplicationEvents*> events = FEvents;
  for (TApplicationEvents* listener : events)
    if (listener->OnMinimize) listener->OnMinimize(this);
}

void TApplication::Restore() {
  if (!FMinimized) return;
  FMinimized = false;
  if (HWND window = GetHandle(); window && IsIconic(window)) ShowWindow(window, SW_RESTORE);
  if (OnRestore) OnRestore(this);
  const std::vector<TApplicationEvents*> events = FEvents;
  for (TApplicationEvents* listener : events)
    if (listener->OnRestore) listener->OnRestore(this);
}

int TApplication::HookMainWindow(TWindowHook Hook) {
  FHooks.emplace_back(FNextHookId, std::move(Hook));
  return FNextHookId++;
}

void TApplication::UnhookMainWindow(int Id) {
  std::erase_if(FHooks, [Id](const auto& entry) { return entry.first == Id; });
}

bool TApplication::CallMainWindowHooks(TMessage& Message) {
  const auto hooks = FHooks;  // a hook may unhook itself
  for (const auto& [id, hook] : hooks)
    if (hook(Message)) return true;
  return false;
}
