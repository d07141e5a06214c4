#include "tools/lanque-skin/render_section.h"

void DrawSectionCaption(TBitmap32&, const TRect&, const TsSkinModel&, int, int) {}
