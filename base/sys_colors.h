#pragma once
// The platform's system colours, addressed by their index (COLOR_BTNFACE = 15
// and so on). Windows asks the system; elsewhere the default Windows scheme
// stands in, so portable code converts references the same way everywhere.
#include "base/color.h"

TColor SysColor(int index);
