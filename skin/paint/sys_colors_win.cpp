#include <windows.h>

#include "skin/paint/sys_colors.h"

TColor SysColor(int index) { return GetSysColor(index); }
