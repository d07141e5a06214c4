#include "skin/forms/frame/frame_hit_test.h"

namespace {

bool Inside(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

// Inside the size grip's square (empty when no grip shows).
bool InGrip(const TacCaptionLayout& l, TPoint p) { return Inside(l.GripRect, p); }

// The code of the caption button under the point, 0 when none acts.
int ButtonCode(const TacCaptionLayout& l, const TacFrameForm& form, TPoint p) {
  const TacSysMenuState& m = l.Menu;
  const auto hit = [&](const TsCaptionButton& b) { return b.Visible() && Inside(b.Rect, p); };
  if (hit(l.ButtonClose) && m.EnabledClose) return kHtClose;
  if (hit(l.ButtonMax) && (m.EnabledMax || (m.EnabledRestore && !form.Minimized()))) return kHtMaxButton;
  if (hit(l.ButtonMin) && (m.EnabledMin || form.Minimized())) return kHtMinButton;
  if (hit(l.ButtonHelp)) return kHtHelp;
  for (std::size_t i = 0; i < l.UserButtons.size() && i < form.UserButtons.size(); ++i)
    if (hit(l.UserButtons[i]) && form.UserButtons[i].Enabled) return l.UserButtons[i].HTCode;
  return 0;
}

int EdgeCode(const TacFrameGeometry& g, const TacFrameForm& form, TPoint p) {
  const int b = g.SysBorderWidth;
  int code = p.Y < g.SysBorderHeight ? kHtTop : p.Y > form.Height - b ? kHtBottom : 0;
  if (p.X < b) code = code == kHtTop ? kHtTopLeft : code == kHtBottom ? kHtBottomLeft : kHtLeft;
  else if (p.X > form.Width - b) code = code == kHtTop ? kHtTopRight : code == kHtBottom ? kHtBottomRight : kHtRight;
  return code;
}

}  // namespace

int HTProcess(const TacCaptionLayout& layout, const TacFrameForm& form, TPoint p) {
  const TacFrameGeometry& g = layout.Geometry;
  if (const int code = ButtonCode(layout, form, p)) return code;
  if (!form.Maximized() && (form.Style & kWsThickFrame) != 0)
    if (const int code = EdgeCode(g, form, p)) return code;
  if (p.Y < layout.TitleBottom) return Inside(layout.IconRect, p) ? kHtSysMenu : kHtCaption;
  if (p.Y < layout.TitleBottom + g.MenuRows * g.MenuHeight) return kHtMenu;
  return InGrip(layout, p) ? kHtBottomRight : kHtClient;
}

bool SystemDecidesHit(const TacCaptionLayout& layout, TPoint point, int code) {
  if (code == kHtBottomRight && InGrip(layout, point)) return false;
  return code == 0 || code == kHtClient || code == kHtCaption || code == kHtMenu ||
         (code >= kHtLeft && code <= kHtBottomRight);
}
