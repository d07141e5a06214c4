#include "browser/deadline_timer.h"

namespace {

constexpr wchar_t kClass[] = L"LanqueBrowserDeadline";
constexpr UINT_PTR kTimerId = 1;

void RegisterDeadlineClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

DeadlineTimer::DeadlineTimer(std::function<void()> expired) : expired_(std::move(expired)) {
  RegisterDeadlineClass();
  window_ = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DeadlineTimer::Proc));
}

DeadlineTimer::~DeadlineTimer() { DestroyWindow(window_); }

void DeadlineTimer::Start(unsigned milliseconds) {
  running_ = SetTimer(window_, kTimerId, milliseconds, nullptr) != 0;
}

void DeadlineTimer::Stop() {
  KillTimer(window_, kTimerId);
  running_ = false;
}

LRESULT CALLBACK DeadlineTimer::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER || wParam != kTimerId) return DefWindowProcW(window, message, wParam, lParam);
  auto* timer = reinterpret_cast<DeadlineTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  timer->Stop();
  if (timer->expired_) {
    auto expired = timer->expired_;  // the function may destroy the timer's owner
    expired();
  }
  return 0;
}
