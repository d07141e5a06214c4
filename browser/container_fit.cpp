#include "browser/container_fit.h"

#include <commctrl.h>

ContainerFit::ContainerFit(HWND container, SizeHandler onSize)
    : container_(container), onSize_(std::move(onSize)) {
  SetWindowSubclass(container_, &ContainerFit::SubclassProc,
                    reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
}

ContainerFit::~ContainerFit() {
  RemoveWindowSubclass(container_, &ContainerFit::SubclassProc,
                       reinterpret_cast<UINT_PTR>(this));
}

RECT ContainerFit::ClientRect() const {
  RECT client{};
  GetClientRect(container_, &client);
  return client;
}

LRESULT CALLBACK ContainerFit::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  if (message == WM_SIZE) {
    auto* fit = reinterpret_cast<ContainerFit*>(self);
    if (fit->onSize_) fit->onSize_(fit->ClientRect());
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
