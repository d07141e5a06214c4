#include "skin/data/platform_metrics.h"

// The value of a standard Windows desktop at 100 %.
int SizingFrameWidth() { return 4; }
