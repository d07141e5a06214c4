#include <gtest/gtest.h>

#include "skin/forms/frame/caption_text.h"
#include "skin/forms/frame/frame_hit_test.h"
#include "skin/forms/frame/screen_snap.h"
#include "skin/forms/frame/tests/frame_test_forms.h"

namespace {

const TacFrameMetrics kClassic{};

int TitleGlyph(const char* name) {
  const TsSkinModel& skin = InternalSkinModel();
  const int i = skin.GetMaskIndex("GLOBALINFO", name);
  EXPECT_GE(i, 0) << name;
  return i;
}

TEST(CaptionLayout, TheLoginWindowShowsIconAndTheLoneCloseButton) {
  const TsSkinModel& skin = InternalSkinModel();
  const TacFrameForm form = LoginFrameForm();
  const TacCaptionLayout l = CalcItems(skin, form, kClassic);
  const TacFrameGeometry& g = l.Geometry;
  EXPECT_EQ(g.SysBorderWidth, 3);  // fixed frame: no sizing frame
  EXPECT_EQ(g.CaptionHeight, 19);
  EXPECT_EQ(g.CaptionWidth, 311);
  EXPECT_EQ(g.CacheHeight, 247);
  EXPECT_EQ(g.OffsetX, 3);
  EXPECT_EQ(g.OffsetY, 22);
  EXPECT_EQ(g.HeaderHeight, 22);
  EXPECT_EQ(l.CaptionVCenter, 19 / 2 + 3 / 2);
  EXPECT_EQ(l.TitleBottom, 22);
  EXPECT_EQ(l.IconRect, (TRect{3, 2, 19, 18}));  // 16 x 16 on a caption above 16 pixels

  // Only close: the lone close glyph (34 x 24, three frames), right-aligned with BIRIGHT 2.
  EXPECT_EQ(l.ButtonClose.ImageIndex, TitleGlyph("BICLOSEALONE"));
  EXPECT_EQ(l.ButtonClose.Rect, (TRect{311 - 2 - 3 - 34, 10 - 12, 311 - 2 - 3, 10 + 12}));
  EXPECT_EQ(l.ButtonClose.HTCode, kHtClose);
  EXPECT_FALSE(l.ButtonMax.Visible());
  EXPECT_FALSE(l.ButtonMin.Visible());
  EXPECT_FALSE(l.ButtonHelp.Visible());
  EXPECT_EQ(l.TitleBtnsWidth, 2 + 34);
  // After the icon (+ 2 for the CAPTION section, + 4), before the buttons (- 12).
  const TRect band = CaptionTextBand(skin, FrameSections(skin, form), form, l);
  EXPECT_EQ(band, (TRect{3 + 16 + 2 + 4, 10 - 6, 311 - 36 - 12, 10 + 6}));
}

TEST(CaptionLayout, AMaximisedWindowPlacesCloseThenMinimiseLowerByTwo) {
  const TsSkinModel& skin = InternalSkinModel();
  const TacCaptionLayout l = CalcItems(skin, MaximisedFrameForm(), kClassic);
  EXPECT_EQ(l.Geometry.SysBorderWidth, 4);
  EXPECT_EQ(l.CaptionVCenter, 9 + 2 + 2);
  EXPECT_EQ(l.Geometry.OffsetY, 4 + 19);
  EXPECT_EQ(l.ButtonClose.ImageIndex, TitleGlyph("BICONCLOSE"));  // not alone: minimise shows
  EXPECT_EQ(l.ButtonClose.Rect, (TRect{1928 - 6 - 34, 1, 1928 - 6, 25}));
  EXPECT_EQ(l.ButtonMin.ImageIndex, TitleGlyph("BICONMIN"));
  EXPECT_EQ(l.ButtonMin.Rect, (TRect{1928 - 6 - 68, 1, 1928 - 6 - 34, 25}));
  EXPECT_FALSE(l.ButtonMax.Visible());  // no maximise icon
  EXPECT_EQ(l.TitleBtnsWidth, 2 + 34 + 34);
}

TEST(CaptionLayout, ToolWindowsUseTheSmallSetAndAMaximisedFormTheRestoreGlyph) {
  const TsSkinModel& skin = InternalSkinModel();
  TacFrameForm tool = LoginFrameForm();
  tool.BorderStyle = bsToolWindow;
  const TacCaptionLayout t = CalcItems(skin, tool, kClassic);
  EXPECT_EQ(t.Geometry.CaptionHeight, 15);
  EXPECT_EQ(t.ButtonClose.ImageIndex, TitleGlyph("SICONCLOSE"));
  EXPECT_FALSE(t.ButtonClose.LargeGlyph);
  EXPECT_EQ(t.IconRect.Width(), 0);  // tool windows show no icon

  TacFrameForm full = MaximisedFrameForm();
  full.BorderIcons |= biMaximize | biHelp;
  const TacCaptionLayout f = CalcItems(skin, full, kClassic);
  EXPECT_EQ(f.ButtonMax.ImageIndex, TitleGlyph("BICONNORM"));
  EXPECT_EQ(f.ButtonMax.Rect.Right, f.ButtonClose.Rect.Left);
  EXPECT_EQ(f.ButtonMin.Rect.Right, f.ButtonMax.Rect.Left);
  EXPECT_EQ(f.ButtonHelp.Rect.Right, f.ButtonMin.Rect.Left - 6);

  TacFrameForm bare = LoginFrameForm();
  bare.BorderIcons = 0;
  EXPECT_FALSE(CalcItems(skin, bare, kClassic).AnySystemButton());
}

struct THit {
  int X, Y, Code;
};

void ExpectHits(const TacFrameForm& form, std::initializer_list<THit> hits) {
  const TacCaptionLayout l = CalcItems(InternalSkinModel(), form, kClassic);
  for (const THit& h : hits) EXPECT_EQ(HTProcess(l, form, {h.X, h.Y}), h.Code) << h.X << ", " << h.Y;
}

TEST(FrameHitTest, TheLoginWindow) {
  ExpectHits(LoginFrameForm(), {
      {280, 10, kHtClose}, {272, -2, kHtClose}, {306, 10, kHtCaption},  // right edge excluded
      {10, 10, kHtSysMenu}, {2, 10, kHtCaption}, {100, 10, kHtCaption},
      {100, 21, kHtCaption},  // the last caption row
      {100, 22, kHtClient},   // the first client row
      {0, 100, kHtClient},    // no sizing frame: the system decides the border
      {310, 246, kHtClient},
  });
  TacFrameForm closeOff = LoginFrameForm();
  closeOff.CloseEnabled = false;  // a disabled close lets the caption answer
  ExpectHits(closeOff, {{280, 10, kHtCaption}});
}

TEST(FrameHitTest, SizingEdgesButtonsAndTheGripOfASizeableWindow) {
  TacFrameForm form = MaximisedFrameForm();
  ExpectHits(form, {{1900, 10, kHtClose}, {1860, 10, kHtMinButton}, {1850, 10, kHtCaption}, {0, 0, kHtCaption}});

  form.WindowState = wsNormal;
  form.Width = 400;
  form.Height = 300;
  form.ClientWidth = 392;
  form.ClientHeight = 300 - 8 - 19;
  form.BorderIcons = biSystemMenu | biMaximize;
  form.GripMode = gmRightBottom;
  form.UserButtons = {{20, true, true}, {20, true, false}};
  const TacCaptionLayout l = CalcItems(InternalSkinModel(), form, kClassic);
  const TRect& user0 = l.UserButtons[0].Rect;
  EXPECT_EQ(user0.Right, l.ButtonMax.Rect.Left - 6);
  const TRect& user1 = l.UserButtons[1].Rect;
  ExpectHits(form, {
      {0, 0, kHtTopLeft}, {399, 0, kHtTopRight}, {200, 0, kHtTop}, {0, 150, kHtLeft}, {399, 150, kHtRight},
      {200, 299, kHtBottom}, {0, 299, kHtBottomLeft}, {399, 299, kHtBottomRight},
      {l.ButtonMax.Rect.Left + 1, 12, kHtMaxButton},
      {user0.Left + 1, 12, kHtUserButton},
      {user1.Left + 1, 12, kHtCaption},  // disabled
      {396 - 13, 296 - 13, kHtBottomRight}, {396 - 14, 296 - 13, kHtClient},  // the 13-pixel grip
  });
  EXPECT_FALSE(SystemDecidesHit(l, {396 - 13, 296 - 13}, kHtBottomRight));  // the grip stays ours
  EXPECT_TRUE(SystemDecidesHit(l, {399, 299}, kHtBottomRight));
  EXPECT_TRUE(SystemDecidesHit(l, {200, 150}, kHtClient));
  EXPECT_FALSE(SystemDecidesHit(l, {200, 10}, kHtClose));
  EXPECT_FALSE(SystemDecidesHit(l, {200, 10}, kHtUserButton + 1));
}

TEST(ScreenSnap, EdgesCloserThanTheBufferLandOnTheWorkArea) {
  const TRect work{0, 0, 1280, 1024};
  struct Case {
    TRect Window;
    TPoint Expected;
  } const cases[] = {
      {{9, 500, 309, 700}, {0, 500}},            // 9 from the left: lands
      {{10, 500, 310, 700}, {10, 500}},          // 10: stays
      {{-9, 500, 291, 700}, {0, 500}},           // beyond the edge too
      {{971, 500, 1271, 700}, {980, 500}},       // right
      {{500, 5, 800, 205}, {500, 0}},            // top
      {{500, 815, 800, 1015}, {500, 824}},       // bottom
      {{3, 3, 1278, 1021}, {0, 0}},              // both pull: left and top win
  };
  for (const Case& c : cases) {
    const TPoint p = SnapToWorkArea(c.Window, work, 10);
    EXPECT_EQ(p.X, c.Expected.X) << c.Window.Left << "," << c.Window.Top;
    EXPECT_EQ(p.Y, c.Expected.Y) << c.Window.Left << "," << c.Window.Top;
  }
  EXPECT_EQ(SnapToWorkArea({100, 100, 400, 300}, {1280, 0, 2560, 1024}, 10).X, 100);  // another monitor: far away
}

TEST(CaptionText, AlignmentSwapsOnRightToLeftForms) {
  const TRect band{20, 0, 120, 12};
  struct Case {
    TAlignment Align;
    bool Rtl;
    int Left, Right;
  } const cases[] = {
      {taLeftJustify, false, 20, 120}, {taRightJustify, false, 120 - 34, 120}, {taCenter, false, 20 + 33, 53 + 30},
      {taRightJustify, true, 20, 120}, {taLeftJustify, true, 86, 120},
  };
  for (const Case& c : cases) {
    const TRect r = AlignCaptionText(band, 30, c.Align, c.Rtl);
    EXPECT_EQ(r.Left, c.Left) << c.Align << c.Rtl;
    EXPECT_EQ(r.Right, c.Right) << c.Align << c.Rtl;
  }
  EXPECT_EQ(AlignCaptionText(band, 200, taRightJustify, false), band);  // too wide: from the left, cut by the ellipsis
}

}  // namespace
