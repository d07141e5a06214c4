#include <windows.h>

#include "skin/data/platform_metrics.h"

int SizingFrameWidth() { return GetSystemMetrics(SM_CXFRAME); }
