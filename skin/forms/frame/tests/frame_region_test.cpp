#include <gtest/gtest.h>

#include "skin/forms/frame/frame_region.h"
#include "skin/forms/frame/tests/frame_test_forms.h"
#include "skin/paint/items/tests/paint_test_skin.h"

namespace {

// A form border of two 12 x 12 frames with margins 4: the inactive frame
// (0) square, the active one (1) with key pixels in its corners.
TTestSkin HoledSkin() {
  const auto pixel = [](int x, int y) -> TsColor {
    if (x >= 12) {
      const int fx = x - 12;
      const bool hole = (fx < 2 && y == 0) || (fx == 0 && y == 1) || (fx == 11 && y == 0) || (fx == 0 && y == 11) ||
                        (fx >= 10 && y == 11);
      if (hole) return sFuchsia;
    }
    return Opaque(0x336699);
  };
  return TTestSkin("[FORM]\nSTATES=2\nBORDERSMASK=^0000^0000^0024^0012^0004^0004^0004^0004^2^0^1^0\n",
                   Picture(24, 12, pixel));
}

TacFrameForm SmallForm(bool active) {
  TacFrameForm f;
  f.Width = 40;
  f.Height = 30;
  f.ClientWidth = 34;
  f.ClientHeight = 30 - 6 - 19;
  f.Style = kWsCaption;
  f.BorderStyle = bsSingle;
  f.Active = active;
  return f;
}

TEST(FrameRegion, TheKeyPixelsOfTheActiveCornersAreCutAndRowsMergeIntoBands) {
  const TTestSkin skin = HoledSkin();
  const TacFrameForm form = SmallForm(true);
  const TacFrameSections sections = FrameSections(skin.Model, form);
  const TacCaptionLayout layout = CalcItems(skin.Model, form, {});
  const std::vector<TRect> cuts = FillArOR(skin.Model, sections, form, layout);
  EXPECT_EQ(cuts, (std::vector<TRect>{{0, 0, 2, 1}, {0, 1, 1, 2}, {39, 0, 40, 1}, {0, 29, 1, 30}, {38, 29, 40, 30}}));
  const TacWindowRegion region = FrameRegion(skin.Model, sections, form, layout);
  EXPECT_FALSE(region.Remove);
  EXPECT_EQ(region.Rects, (std::vector<TRect>{{2, 0, 39, 1}, {1, 1, 40, 2}, {0, 2, 40, 29}, {1, 29, 38, 30}}));

  const TacFrameForm inactive = SmallForm(false);  // the square frame: nothing cut
  EXPECT_EQ(FrameRegion(skin.Model, sections, inactive, CalcItems(skin.Model, inactive, {})).Rects,
            (std::vector<TRect>{{0, 0, 40, 30}}));
}

TEST(FrameRegion, OverlappingCutsAndCutsOutsideTheWindow) {
  EXPECT_EQ(GetRgnFromArOR({{0, 0, 3, 1}, {2, 0, 5, 1}, {8, 0, 20, 1}, {-4, 2, 1, 9}}, 10, 3),
            (std::vector<TRect>{{5, 0, 8, 1}, {0, 1, 10, 2}, {1, 2, 10, 3}}));
  EXPECT_TRUE(GetRgnFromArOR({{0, 0, 10, 1}}, 10, 1).empty());
}

TEST(FrameRegion, MaximisedFormsLoseTheirOffScreenFrameAndBorderlessOnesHaveNone) {
  const TsSkinModel& skin = InternalSkinModel();
  TacFrameForm form = MaximisedFrameForm();
  const TacFrameSections sections = FrameSections(skin, form);
  EXPECT_EQ(FrameRegion(skin, sections, form, CalcItems(skin, form, {})).Rects,
            (std::vector<TRect>{{4, 4, 1928 - 4, 1048 - 4}}));
  form.SizeConstraints = true;  // a constrained form keeps its corners
  EXPECT_GT(FrameRegion(skin, sections, form, CalcItems(skin, form, {})).Rects.size(), 1u);

  TacFrameForm bare = LoginFrameForm();
  bare.BorderStyle = bsNone;
  bare.Style = 0;
  EXPECT_TRUE(FrameRegion(skin, sections, bare, CalcItems(skin, bare, {})).Remove);
}

}  // namespace
