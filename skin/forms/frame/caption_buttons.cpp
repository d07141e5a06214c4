#include "skin/forms/frame/caption_buttons.h"

#include <utility>

namespace {

constexpr int kMissingGlyphSize = 21;

enum TTitleGlyph {
  tgBigClose, tgCloseAlone, tgBigMax, tgBigNorm, tgBigMin, tgBigHelp,
  tgSmallClose, tgSmallMax, tgSmallNorm, tgSmallMin, tgSmallHelp
};

int Glyph(const TsSkinModel& skin, TTitleGlyph g) {
  const int i = skin.SkinConstants.TitleGlyphs[g];
  return skin.IsValidImgIndex(i) ? i : -1;
}

TacCaptionGlyphs LargeSet(const TsSkinModel& skin) {
  return {true, Glyph(skin, tgBigClose), Glyph(skin, tgBigMax), Glyph(skin, tgBigNorm), Glyph(skin, tgBigMin),
          Glyph(skin, tgBigHelp)};
}

}  // namespace

TacSysMenuState SysMenuState(const TacFrameForm& form) {
  TacSysMenuState s;
  const bool sysMenu = form.HasSysMenu();
  const bool maxIcon = (form.BorderIcons & biMaximize) != 0;
  const bool minIcon = (form.BorderIcons & biMinimize) != 0;
  s.VisibleClose = sysMenu && form.MenuHasClose;
  s.VisibleMax = sysMenu && (form.Minimized() || (form.SingleOrSizeable() && maxIcon));
  s.VisibleMin = sysMenu && (form.Minimized() || (form.SingleOrSizeable() && minIcon));
  s.VisibleHelp = sysMenu && (form.BorderIcons & biHelp) != 0;
  s.EnabledClose = form.MenuHasClose && form.CloseEnabled;
  s.EnabledMax = form.SingleOrSizeable() && maxIcon;
  s.EnabledMin = minIcon && !(form.Minimized() && !form.MainForm);
  s.EnabledRestore = form.Minimized() || (maxIcon && form.WindowState != wsNormal);
  s.VisibleRestore = sysMenu && form.SingleOrSizeable();
  s.VisibleSize = form.BorderStyle != bsDialog && form.BorderStyle != bsNone && form.BorderStyle != bsToolWindow;
  s.EnabledMove = !form.Maximized();
  s.EnabledSize = form.BorderStyle != bsSingle && !form.Minimized();
  return s;
}

TacCaptionGlyphs CaptionGlyphs(const TsSkinModel& skin, const TacFrameForm& form, const TacSysMenuState& menu) {
  TacCaptionGlyphs g;
  if (form.SingleOrSizeable()) {
    g = LargeSet(skin);
    const int alone = Glyph(skin, tgCloseAlone);
    if (!menu.VisibleMax && !menu.VisibleMin && alone >= 0) g.Close = alone;
  } else {
    g = {false, Glyph(skin, tgSmallClose), Glyph(skin, tgSmallMax), Glyph(skin, tgSmallNorm),
         Glyph(skin, tgSmallMin), Glyph(skin, tgSmallHelp)};
    if (g.Help < 0) g.Help = Glyph(skin, tgBigHelp);
  }
  if (g.Close < 0) g = LargeSet(skin);
  return g;
}

int GlyphFrameWidth(const TsSkinModel& skin, int image) {
  return skin.IsValidImgIndex(image) ? WidthOfImage(skin.ma[static_cast<std::size_t>(image)]) : kMissingGlyphSize;
}

int GlyphFrameHeight(const TsSkinModel& skin, int image) {
  return skin.IsValidImgIndex(image) ? HeightOfImage(skin.ma[static_cast<std::size_t>(image)]) : kMissingGlyphSize;
}

TacCaptionGlow CaptionButtonGlow(const TsSkinModel& skin, int code, int glyphImage) {
  const TsSkinData& d = skin.SkinData;
  const auto [size, margin] = code == kHtClose     ? std::pair{d.BIConCloseGlow, d.BIConCloseGlowMargin}
                              : code == kHtMaxButton ? std::pair{d.BIConMaxGlow, d.BIConMaxGlowMargin}
                              : code == kHtMinButton ? std::pair{d.BIConMinGlow, d.BIConMinGlowMargin}
                                                     : std::pair{0, 0};
  if (size <= 0 || !skin.IsValidImgIndex(glyphImage)) return {};
  return {skin.ma[static_cast<std::size_t>(glyphImage)].KeyName + "GLOW0", margin};
}
