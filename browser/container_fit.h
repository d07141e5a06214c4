// Keeps a callback informed of a container window's client size by
// subclassing the container (the subclass is removed on destruction).
#pragma once

#include <windows.h>

#include <functional>

class ContainerFit {
public:
  using SizeHandler = std::function<void(const RECT& client)>;

  ContainerFit(HWND container, SizeHandler onSize);
  ~ContainerFit();
  ContainerFit(const ContainerFit&) = delete;
  ContainerFit& operator=(const ContainerFit&) = delete;

  HWND Container() const { return container_; }
  RECT ClientRect() const;

private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  HWND container_;
  SizeHandler onSize_;
};
