#pragma once
// The shadow of a skinned form with extended borders: the manager's active
// or inactive shadow picture around the form, in a click-through layered
// window of the glow windows just below the form. Shown while the manager
// has extended borders, the provider allows them, the form is a visible,
// normal (not minimised or maximised) top-level window and the desktop is
// composed (the glows' switch covers this too).
#include <windows.h>

class TsSkinManager;

// Shows the shadow around the form as it is now, or hides it; Handle is the
// shadow's glow-window handle (-1: none).
void UpdateFormShadow(HWND Form, const TsSkinManager& Manager, bool Allowed, bool Active, int& Handle);
