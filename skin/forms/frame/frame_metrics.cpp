#include "skin/forms/frame/frame_metrics.h"

#include <algorithm>

TacFrameGeometry FrameGeometry(const TacFrameForm& form, const TacFrameMetrics& m) {
  TacFrameGeometry g;
  const unsigned style = form.Style;
  g.SysBorderWidth = (style & kWsThickFrame) != 0 ? m.CxFrame : (style & kWsBorder) != 0 ? m.CxDlgFrame : 0;
  g.SysBorderHeight = g.SysBorderWidth;
  g.SysCaptHeight = form.ToolWindow() && !form.Minimized() ? m.CySmCaption : m.CyCaption;
  const bool framed = form.BorderStyle != bsNone || form.ParentedOrChild;
  if ((framed && (style & kWsCaption) == kWsCaption) || form.Minimized()) g.CaptionHeight = g.SysCaptHeight;
  g.BorderWidth = g.SysBorderWidth + form.FormBorderWidth;
  g.BorderHeight = g.SysBorderHeight + form.FormBorderWidth;
  const bool menu = form.MenuRows > 0 && form.BorderStyle != bsDialog && !form.Minimized();
  g.MenuHeight = menu ? m.CyMenu - 1 : 0;
  g.MenuRows = menu ? form.MenuRows : 0;

  const bool iconic = form.Minimized() && !form.MainForm;
  g.CaptionWidth = iconic ? 160 : form.Width;
  g.CacheHeight = iconic ? g.SysBorderHeight + g.CaptionHeight + 2 : form.Height;
  g.OffsetX = (form.Width - form.ClientWidth) / 2;
  g.OffsetY = form.Height - form.ClientHeight - ((style & kWsBorder) != 0 ? g.BorderWidth : 0);
  const int below = g.CaptionHeight > 0 || (style & kWsBorder) != 0 ? g.BorderHeight : 0;
  g.HeaderHeight = std::max(form.Height - form.ClientHeight - below, 0) + (form.Minimized() ? g.SysBorderHeight : 0);
  g.IconVisible = form.TitleIcon.Visible && form.SingleOrSizeable() && form.ShowAppIcon && form.HasSysMenu();
  return g;
}
