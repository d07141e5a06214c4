#include "skin/forms/form_shadow.h"

#include "skin/paint/gdi_win.h"
#include "skin/paint/items/outer_picture.h"
#include "skin/win/glow_effects.h"
#include "skin/win/skin_manager.h"

void UpdateFormShadow(HWND Form, const TsSkinManager& Manager, bool Allowed, bool Active, int& Handle) {
  const TacShadowImages& shadows = Manager.Shadows;
  const TBitmap32& picture = Active ? shadows.Active : shadows.Inactive;
  const bool wanted = Allowed && Manager.GetExtendedBorders() && !picture.Empty() && IsWindowVisible(Form) &&
                      !IsIconic(Form) && !IsZoomed(Form) && !(GetWindowLongPtrW(Form, GWL_STYLE) & WS_CHILD) &&
                      (GlowSwitches().IgnoreComposition || CompositionEnabled());
  if (!wanted) return HideGlow(Handle);
  RECT r{};
  GetWindowRect(Form, &r);
  const auto& m = shadows.Margins;
  const TRect at{r.left - m[0], r.top - m[1], r.right + m[2], r.bottom + m[3]};
  if (HWND shown = GlowWindow(Handle)) {
    RECT now{};
    GetWindowRect(shown, &now);
    // In place and still right below the form: nothing to do.
    if (now.left == at.Left && now.top == at.Top && now.right == at.Right && now.bottom == at.Bottom &&
        GetWindow(Form, GW_HWNDNEXT) == shown)
      return;
  }
  HideGlow(Handle);
  const TacEffectContent content{&picture, at, {0, 0, at.Width(), at.Height()}, {Active ? 1 : 0, 0, 0, 0}, 255};
  Handle = ShowEffect(
      content, [&] { return MakeFormShadow(picture, m, r.right - r.left, r.bottom - r.top); }, Form, true);
}
