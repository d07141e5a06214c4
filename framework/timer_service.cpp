#include "framework/timer_service.h"

#include <algorithm>
#include <memory>

#include "base/private_messages.h"
#include "framework/window_class.h"

namespace {
constexpr wchar_t kClassName[] = L"LanqueTimerWindow";
}

TTimerService& TTimerService::Instance() {
  thread_local std::unique_ptr<TTimerService> service(new TTimerService);
  return *service;
}

TTimerService::TTimerService() {
  FWindow.Reset(CreateWindowExW(0, RegisterWindowClassOnce(kClassName, WindowProcedure), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  if (FWindow) SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimerService::~TTimerService() {
  if (FWindow) SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, 0);
}

bool TTimerService::Start(UINT_PTR Id, unsigned Interval, TTick Tick) {
  if (!FWindow || SetTimer(FWindow.Get(), Id, Interval, nullptr) == 0) {
    Stop(Id);
    return false;
  }
  Register(Id, std::move(Tick));
  return true;
}

void TTimerService::Register(UINT_PTR Id, TTick Tick) {
  auto it = std::find_if(FEntries.begin(), FEntries.end(), [Id](const TEntry& e) { return e.Id == Id; });
  if (it == FEntries.end()) FEntries.push_back({Id, std::move(Tick)});
  else it->Tick = std::move(Tick);
}

void TTimerService::Stop(UINT_PTR Id) {
  auto it = std::find_if(FEntries.begin(), FEntries.end(), [Id](const TEntry& e) { return e.Id == Id; });
  if (it == FEntries.end()) return;
  KillTimer(FWindow.Get(), Id);
  FEntries.erase(it);
}

int TTimerService::RunningCount() const { return static_cast<int>(FEntries.size()); }

void TTimerService::Tick(UINT_PTR Id) {
  auto it = std::find_if(FEntries.begin(), FEntries.end(), [Id](const TEntry& e) { return e.Id == Id; });
  if (it == FEntries.end()) return;  // stopped after the tick was queued
  const TTick tick = it->Tick;  // the handler may stop or restart its own timer
  tick();
}

LRESULT CALLBACK TTimerService::WindowProcedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* self = reinterpret_cast<TTimerService*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if ((Msg == WM_TIMER || Msg == WM_TIMERHANDOVER) && self) {
    self->Tick(static_cast<UINT_PTR>(WParam));
    return 0;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}
