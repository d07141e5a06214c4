#pragma once
// The start-up profile: time stamps from the process's start to the first
// paint of its window. Asked for with /profile=startup on the command line or
// LANQUE_PROFILE=startup in the environment; then, once the window has
// painted, the stamps go to standard output, one "NAME MILLISECONDS" a line in
// the order taken, and the program ends (a quit message). Otherwise nothing
// is taken and nothing changes.
#include <windows.h>

namespace startup_profile {

bool Enabled();
// The time since the process was created, under a name (no blanks).
void Mark(const char* name);
// Call at the start, before any other timer of the thread is set: when a
// window of the thread has been shown and every paint the thread has
// pending is done (timer messages come only then, and this one before the
// timers set later), "first-paint" is taken, the stamps printed and the
// program asked to end.
void AwaitFirstPaint();

}  // namespace startup_profile
