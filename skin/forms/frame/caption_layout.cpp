#include "skin/forms/frame/caption_layout.h"

namespace {

// The icon's side for a caption height when the title icon gives none.
int IconSide(int captionHeight) { return captionHeight <= 8 ? 1 : captionHeight <= 16 ? 8 : 16; }

class TButtonPlacer {
 public:
  TButtonPlacer(const TacCaptionLayout& layout, const TsSkinData& skin, int topAligned)
      : layout_(layout), skin_(skin), topAligned_(topAligned) {}

  void Place(TsCaptionButton& button, int width) {
    const bool top = button.LargeGlyph && skin_.BIVAlign == 1;
    button.Rect.Right = X;
    button.Rect.Left = X - width;
    button.Rect.Top = top ? topAligned_ : layout_.CaptionVCenter - layout_.ButtonHeight / 2;
    button.Rect.Bottom = button.Rect.Top + layout_.ButtonHeight;
    X = button.Rect.Left - (layout_.LargeButtons ? skin_.BISpace : 0);
  }
  void Hide(TsCaptionButton& button) const { button.Rect = {X, 0, X, 0}; }

  int X = 0;

 private:
  const TacCaptionLayout& layout_;
  const TsSkinData& skin_;
  int topAligned_;
};

}  // namespace

TsCaptionButton* TacCaptionLayout::Button(int code) {
  switch (code) {
    case kHtClose: return &ButtonClose;
    case kHtMaxButton: return &ButtonMax;
    case kHtMinButton: return &ButtonMin;
    case kHtHelp: return &ButtonHelp;
    default: return nullptr;
  }
}

TacCaptionLayout CalcItems(const TsSkinModel& skin, const TacFrameForm& form, const TacFrameMetrics& metrics) {
  TacCaptionLayout l;
  const TacFrameGeometry& g = l.Geometry = FrameGeometry(form, metrics);
  const TsSkinData& sd = skin.SkinData;
  l.Menu = SysMenuState(form);
  l.Glyphs = CaptionGlyphs(skin, form, l.Menu);
  l.LargeButtons = form.SingleOrSizeable();
  l.CaptionVCenter = g.CaptionHeight / 2 + g.SysBorderWidth / 2 + (form.Maximized() ? 2 : 0);
  l.TitleBottom = g.SysBorderHeight + g.CaptionHeight;

  l.IconRect.Left = g.SysBorderWidth + sd.BILeft;
  if (g.IconVisible) {
    const int w = form.TitleIcon.Width > 0 ? form.TitleIcon.Width : IconSide(g.CaptionHeight);
    const int h = form.TitleIcon.Height > 0 ? form.TitleIcon.Height : IconSide(g.CaptionHeight);
    l.IconRect.Top = l.CaptionVCenter - h / 2;
    l.IconRect.Right = l.IconRect.Left + w;
    l.IconRect.Bottom = l.IconRect.Top + h;
  } else {
    l.IconRect.Right = l.IconRect.Left;
  }

  l.ButtonHeight = GlyphFrameHeight(skin, l.Glyphs.Close);
  for (TsCaptionButton* b : {&l.ButtonClose, &l.ButtonMax, &l.ButtonMin, &l.ButtonHelp})
    b->LargeGlyph = l.Glyphs.LargeGlyphs;
  l.ButtonClose.ImageIndex = l.Glyphs.Close;
  l.ButtonMax.ImageIndex = form.Maximized() ? l.Glyphs.Norm : l.Glyphs.Max;
  l.ButtonMin.ImageIndex = form.Minimized() && !form.MainForm ? l.Glyphs.Norm : l.Glyphs.Min;
  l.ButtonHelp.ImageIndex = l.Glyphs.Help;

  TButtonPlacer placer(l, sd, form.Maximized() ? metrics.CxFrame - 1 : 0);
  placer.X = g.CaptionWidth - sd.BIRight - g.SysBorderWidth;
  const bool sysMenu = form.HasSysMenu();
  const int space = l.LargeButtons ? sd.BISpace : 0;
  l.TitleBtnsWidth = sd.BIRight;
  const auto place = [&](TsCaptionButton& b, bool visible, int extraGap) {
    if (!sysMenu || !visible) return placer.Hide(b);
    placer.X -= extraGap;
    const int w = GlyphFrameWidth(skin, b.ImageIndex);
    placer.Place(b, w);
    l.TitleBtnsWidth += w + (&b == &l.ButtonClose ? 0 : space);
  };
  place(l.ButtonClose, l.Menu.VisibleClose, 0);
  place(l.ButtonMax, l.Menu.VisibleMax, 0);
  place(l.ButtonMin, l.Menu.VisibleMin, 0);
  place(l.ButtonHelp, l.Menu.VisibleHelp, 6);

  bool gapDone = false;
  for (std::size_t i = 0; i < form.UserButtons.size(); ++i) {
    const TacUserButton& user = form.UserButtons[i];
    TsCaptionButton b{.HTCode = kHtUserButton + static_cast<int>(i)};
    if (!user.Visible) {
      placer.Hide(b);
    } else {
      if (!gapDone) placer.X -= 6, l.TitleBtnsWidth += 6, gapDone = true;
      placer.Place(b, user.Width);
      l.TitleBtnsWidth += user.Width + space;
    }
    l.UserButtons.push_back(b);
  }

  const int grip = skin.SkinConstants.Grips[0];
  const bool sizeable = form.BorderStyle == bsSizeable || form.BorderStyle == bsSizeToolWin;
  if (form.GripMode == gmRightBottom && sizeable && !form.Maximized() && skin.IsValidImgIndex(grip)) {
    const int right = g.OffsetX + form.ClientWidth, bottom = g.OffsetY + form.ClientHeight;
    l.GripRect = {right - GlyphFrameWidth(skin, grip), bottom - GlyphFrameHeight(skin, grip), right, bottom};
  }
  return l;
}
