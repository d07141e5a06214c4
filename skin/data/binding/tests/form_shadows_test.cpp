#include "skin/data/binding/form_shadows.h"

#include <gtest/gtest.h>

#include "skin/data/binding/shadow_pictures.h"
#include "skin/data/image_decode.h"

namespace {

bool HasTransparentWhite(const TBitmap32& bmp) {
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      if (bmp.Row(y)[x] == 0x00FFFFFFu) return true;
  return false;
}

TEST(FormShadows, NoneWithoutExtendedBorders) {
  TsSkinModel model;
  TacShadowImages shadows;
  shadows.Margins = {1, 2, 3, 4};
  CheckShadows(model, false, {}, shadows);
  EXPECT_EQ(shadows.Margins, (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_TRUE(shadows.Active.Empty());
  EXPECT_TRUE(shadows.Inactive.Empty());
}

TEST(FormShadows, BuiltInPicturesAreCleanSoftAndDarkerWhenActive) {
  // As stored, the pictures' clear pixels are white with alpha 0.
  for (bool active : {true, false}) {
    const auto stored = DecodeSkinImage(ShadowPicturePng(active));
    ASSERT_TRUE(stored);
    EXPECT_TRUE(HasTransparentWhite(stored->Bitmap));
  }
  TsSkinModel model;
  TacShadowImages shadows;
  CheckShadows(model, true, {}, shadows);
  EXPECT_EQ(shadows.Margins, (std::array<int, 4>{9, 9, 9, 9}));
  for (const TBitmap32* picture : {&shadows.Active, &shadows.Inactive}) {
    ASSERT_EQ(picture->Width(), 48);
    ASSERT_EQ(picture->Height(), 48);
    EXPECT_FALSE(HasTransparentWhite(*picture));
    EXPECT_EQ(picture->Row(0)[0], 0u);  // the outer corner is all clear
  }
  const TsColor centre = shadows.Active.Row(24)[24];
  EXPECT_EQ(centre & 0xFFFFFFu, 0u);  // black
  EXPECT_GT(centre >> 24, shadows.Inactive.Row(24)[24] >> 24);
  // The shadow fades outwards.
  EXPECT_GT(shadows.Active.Row(24)[5] >> 24, shadows.Active.Row(24)[1] >> 24);
  EXPECT_GT(shadows.Active.Row(24)[1] >> 24, 0u);
  // Built once: a second build gives the same pictures.
  TacShadowImages again;
  CheckShadows(model, true, {}, again);
  EXPECT_EQ(again.Active.Row(24)[5], shadows.Active.Row(24)[5]);
}

// A skin whose "EXBORDER" image holds two 4 x 2 frames in the master bitmap:
// active pixels 0xFF000001.., inactive 0xFF000002.., one transparent white.
class SkinShadowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.MasterBitmap = TBitmap32(8, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 8; ++x) model.MasterBitmap.Row(y)[x] = 0xFF000000u | (x < 4 ? 0x100u : 0x200u) | x;
    model.MasterBitmap.Row(1)[5] = 0x00FFFFFF;
    TsMaskData md;
    md.SectionName = "GLOBALINFO";
    md.KeyName = "EXBORDER";
    md.SourceRect = {0, 0, 8, 2};
    md.FrameCount = 2;
    md.MarginLeft = 3;
    md.MarginTop = 4;
    md.MarginRight = 5;
    md.MarginBottom = 6;
    model.ma.push_back(std::move(md));
    model.SkinConstants.ExBorder = 0;
  }
  TsSkinModel model;
  TacShadowImages shadows;
};

TEST_F(SkinShadowTest, FramesOfTheSkinsImageWithItsMarginsLessTheOffsetOrOneSize) {
  model.SkinData.Version = 8;
  CheckShadows(model, true, {2, false, 0}, shadows);
  EXPECT_EQ(shadows.Margins, (std::array<int, 4>{1, 2, 3, 4}));
  ASSERT_EQ(shadows.Active.Width(), 4);
  ASSERT_EQ(shadows.Active.Height(), 2);
  EXPECT_EQ(shadows.Active.Row(1)[3], 0xFF000103u);
  EXPECT_EQ(shadows.Inactive.Row(0)[0], 0xFF000204u);
  EXPECT_EQ(shadows.Inactive.Row(1)[1], 0x00FFFFFFu);  // a newer skin's pixels as they are
  CheckShadows(model, true, {5, false, 0}, shadows);
  EXPECT_EQ(shadows.Margins, (std::array<int, 4>{0, 0, 0, 1}));  // never below 0
  CheckShadows(model, true, {2, true, 7}, shadows);
  EXPECT_EQ(shadows.Margins, (std::array<int, 4>{7, 7, 7, 7}));
}

TEST_F(SkinShadowTest, OlderSkinsHaveTransparentWhiteCleared) {
  model.SkinData.Version = 7.5;
  CheckShadows(model, true, {}, shadows);
  EXPECT_EQ(shadows.Inactive.Row(1)[1], 0u);
  EXPECT_EQ(shadows.Inactive.Row(1)[0], 0xFF000204u);
}

}  // namespace
