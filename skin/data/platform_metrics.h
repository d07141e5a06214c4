#pragma once
// Platform values the skin model falls back to.

// Width of a sizing window frame in pixels (the system's value on Windows).
int SizingFrameWidth();
