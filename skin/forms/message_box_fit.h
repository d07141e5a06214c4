#pragma once
// A message box is never wider than the work area of its monitor: when the
// system made one wider (a long word in its text), its text breaks inside
// words at the work area's width, as the system's own box breaks lines, and
// the box grows taller instead. Boxes that fit are left as they are.
#include <windows.h>

// Call once the box has laid out its children (after WM_INITDIALOG).
void FitMessageBoxToWorkArea(HWND Box);
