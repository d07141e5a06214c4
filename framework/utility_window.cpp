#include "framework/utility_window.h"

#include "framework/window_class.h"

namespace {
constexpr wchar_t kClassName[] = L"LanqueUtilityWindow";
}

TUtilityWindow::TUtilityWindow(std::function<void(TMessage&)> Handler) : FHandler(std::move(Handler)) {
  FWindow.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, RegisterWindowClassOnce(kClassName, WindowProcedure), L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr));
  SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TUtilityWindow::~TUtilityWindow() {
  SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, 0);
}

void TUtilityWindow::DefaultHandler(TMessage& Message) const {
  Message.Result = DefWindowProcW(FWindow.Get(), Message.Msg, Message.WParam, Message.LParam);
}

LRESULT CALLBACK TUtilityWindow::WindowProcedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (!self || !self->FHandler) return DefWindowProcW(Window, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  self->FHandler(message);
  return message.Result;
}
