#include "framework/screen.h"

#include <windows.h>

TScreen* Screen = nullptr;

int TScreen::GetWidth() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::GetHeight() const { return GetSystemMetrics(SM_CYSCREEN); }
