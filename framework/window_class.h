#pragma once
// Registers a window class of the program once, the first time it is asked for.
#include <windows.h>

// Returns the class name, registered with Procedure (and the arrow cursor).
const wchar_t* RegisterWindowClassOnce(const wchar_t* Name, WNDPROC Procedure, UINT Style = 0);
