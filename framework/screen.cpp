#include "framework/screen.h"

#include <algorithm>

#include <windows.h>

TScreen* Screen = nullptr;

int TScreen::GetWidth() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::GetHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::RemoveForm(TForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
  if (FActiveForm == Form) FActiveForm = nullptr;
}
