#pragma once
// The client area of a window as its WM_PRINTCLIENT draws it, for tests that
// look at what a control shows.
#include <windows.h>

#include "base/win_handles.h"
#include "skin/paint/bitmap32_win.h"

inline TBitmap32 PrintClient(HWND Window) {
  RECT client;
  GetClientRect(Window, &client);
  TBitmap32 picture(client.right, client.bottom);
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  {
    const TSelectObject selected(dc.Get(), BitmapHandle(picture));
    SendMessageW(Window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  }
  GdiFlush();
  return picture;
}
