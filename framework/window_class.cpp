#include "framework/window_class.h"

const wchar_t* RegisterWindowClassOnce(const wchar_t* Name, WNDPROC Procedure, UINT Style) {
  WNDCLASSEXW existing{sizeof(existing)};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), Name, &existing)) return Name;
  WNDCLASSEXW wc{sizeof(wc)};
  wc.style = Style;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = Name;
  RegisterClassExW(&wc);
  return Name;
}
