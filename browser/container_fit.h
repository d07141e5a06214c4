// Keeps a callback informed of a container window's client size through a
// subclass of the container (left when this object goes, or with the window).
#pragma once

#include <windows.h>

#include <functional>

#include "framework/window_subclass.h"

class ContainerFit {
public:
  using SizeHandler = std::function<void(const RECT& client)>;

  ContainerFit(HWND container, SizeHandler onSize);
  ContainerFit(const ContainerFit&) = delete;
  ContainerFit& operator=(const ContainerFit&) = delete;

  HWND Container() const { return container_; }
  RECT ClientRect() const;

private:
  HWND container_;
  SizeHandler onSize_;
  TWindowSubclass subclass_;
};
