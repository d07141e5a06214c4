// The skinned bars on show: an edit, a list box and a scroll-bar control
// wearing the internal skin, until the window is closed.
#include "skin/controls/scroll/tests/scroll_form.h"

int main() {
  TScrollForm form;
  MSG message;
  while (IsWindow(form.Window.Get()) && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
