#include "browser/container_fit.h"

ContainerFit::ContainerFit(HWND container, SizeHandler onSize)
    : container_(container), onSize_(std::move(onSize)), subclass_([this](TMessage& message) {
        subclass_.CallDefault(message);
        if (message.Msg == WM_SIZE && onSize_) onSize_(ClientRect());
      }) {
  subclass_.Attach(container_);
}

RECT ContainerFit::ClientRect() const {
  RECT client{};
  GetClientRect(container_, &client);
  return client;
}
