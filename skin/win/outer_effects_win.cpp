#include "skin/win/outer_effects_win.h"

#include "skin/paint/gdi_win.h"
#include "skin/paint/items/outer_picture.h"
#include "skin/win/common_data.h"
#include "skin/win/glow_effects.h"
#include "skin/win/skin_manager.h"
#include "skin/win/skin_messages.h"

void UpdateOuterEffect(TsCommonData& Data) {
  auto* control = dynamic_cast<TWinControl*>(Data.OwnerControl);
  HWND window = Data.AdaptedWindow ? Data.AdaptedWindow
                : control && control->HandleAllocated() && !control->IsDestroying() ? control->GetHandle()
                                                                                     : nullptr;
  HWND form = window ? GetAncestor(window, GA_ROOT) : nullptr;
  const bool wanted = window && Data.HaveOuterEffects() && IsWindowVisible(window) && !IsIconic(form) &&
                      (GlowSwitches().IgnoreComposition || CompositionEnabled());
  const TacOuterLook look = wanted ? OuterLook(Data.GetSkinManager()->Model, Data.SkinIndex) : TacOuterLook{};
  if (!look.Image) return HideGlow(Data.OuterHandle);
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const TRect at{r.left - look.Reach[0], r.top - look.Reach[1], r.right + look.Reach[2], r.bottom + look.Reach[3]};
  const TacEffectContent content{look.Image, at, {0, 0, at.Width(), at.Height()}, {look.Opacity, 0, 0, 0}, 255};
  // Already shown there: nothing to do; elsewhere: shown anew (the hidden window is reused).
  if (HWND shown = GlowWindow(Data.OuterHandle)) {
    RECT now{};
    GetWindowRect(shown, &now);
    if (IsWindowVisible(shown) && now.left == at.Left && now.top == at.Top && now.right == at.Right &&
        now.bottom == at.Bottom)
      return;
  }
  HideGlow(Data.OuterHandle);
  Data.OuterHandle = ShowEffect(content, [&] { return MakeOuterPicture(look, w, h); }, form);
}

void UpdateOuterEffects(TWinControl& Container) {
  TMessage message = MakeAcm(acmPaintOuter);
  AlphaBroadCast(&Container, message);
}
