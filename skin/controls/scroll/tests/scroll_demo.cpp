// The skinned bars on show: an edit, a list box and a scroll-bar control
// wearing the internal skin, until the window is closed. Prints the window's
// rectangle and the list box's vertical bar (screen: left top width height)
// once shown, for whoever drives it.
#include <cstdio>

#include "skin/controls/scroll/tests/scroll_form.h"

int main() {
  TScrollForm form;
  RECT window{};
  GetWindowRect(form.Window.Get(), &window);
  const RECT bar = form.ListAdapter->BarScreenRect(1);
  std::printf("%ld %ld %ld %ld\n%ld %ld %ld %ld\n", window.left, window.top, window.right - window.left,
              window.bottom - window.top, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top);
  std::fflush(stdout);
  MSG message;
  while (IsWindow(form.Window.Get()) && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
