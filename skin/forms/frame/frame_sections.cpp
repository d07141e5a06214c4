#include "skin/forms/frame/frame_sections.h"

#include <algorithm>

namespace {

int BorderOf(const TsSkinModel& skin, int section) {
  if (!skin.IsValidSkinIndex(section)) return -1;
  const int i = skin.gd[static_cast<std::size_t>(section)].BorderMaskIndex;
  return skin.IsValidImgIndex(i) ? i : -1;
}

}  // namespace

TacFrameSections FrameSections(const TsSkinModel& skin, const TacFrameForm& form) {
  TacFrameSections s;
  s.Form = skin.GetSkinIndex(form.SkinSection);
  s.Title = skin.GetSkinIndex(form.TitleSkin.empty() ? "FORMTITLE" : form.TitleSkin);
  s.Caption = skin.GetSkinIndex("CAPTION");
  s.MenuLine = skin.GetSkinIndex(form.MenuLineSkin.empty() ? "MENULINE" : form.MenuLineSkin);
  s.FormBorder = BorderOf(skin, s.Form);
  s.TitleBorder = BorderOf(skin, s.Title);
  if (s.Form >= 0) s.TitleBar = skin.GetMaskIndex(s.Form, form.SkinSection, "TITLEBAR");
  const int grip = skin.SkinConstants.Grips[0];
  s.Grip = skin.IsValidImgIndex(grip) ? grip : -1;
  return s;
}

int FrameState(const TsSkinModel& skin, int section, bool active) {
  if (!skin.IsValidSkinIndex(section)) return 0;
  return std::clamp(active ? 1 : 0, 0, std::max(skin.gd[static_cast<std::size_t>(section)].States - 1, 0));
}
