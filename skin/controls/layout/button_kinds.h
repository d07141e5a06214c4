#pragma once
// The kinds a button's content is placed by: glyph layout, image alignment,
// button style and the image margins.
#include "base/form_kinds.h"

enum TImageAlignment { iaLeft, iaRight, iaTop, iaBottom, iaCenter };

enum TButtonStyle { bsPushButton, bsCommandLink, bsSplitButton };

struct TImageMargins {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};
