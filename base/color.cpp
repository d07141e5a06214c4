#include "base/color.h"

#include "base/sys_colors.h"

TColor ColorToRGB(TColor color) {
  return (color & 0x80000000u) ? SysColor(static_cast<int>(color & 0xFFu)) : color;
}
