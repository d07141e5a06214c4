#pragma once
// What every skin animation timer looks at before it does anything.

// While set, no fade runs and no frame is drawn.
extern bool FadingForbidden;
// Fade and animation timers alive.
extern int acAnimCount;

// The application is closing: timers stop silently.
bool AnimationsClosing();
