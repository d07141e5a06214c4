#include <windows.h>

#include "base/sys_colors.h"

TColor SysColor(int index) { return GetSysColor(index); }
