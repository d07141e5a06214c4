#include <windows.h>

#include "skin/paint/items/text_gdi_win.h"
#include "tools/lanque-skin/render_section.h"

void DrawSectionCaption(TBitmap32& bmp, const TRect& rect, const TsSkinModel& model, int section, int state) {
  TsGdiTextRasteriser raster;
  const std::string& name = model.gd[static_cast<std::size_t>(section)].SectionName;
  WriteText32(bmp, CutText(name, rect.Width() - 4, raster), true, DT_CENTER | DT_VCENTER | DT_SINGLELINE, &model,
              state > 0, section, rect, 0, raster);
}
