// The outer effect of a control: which image, reach and opacity a section
// chooses, and the picture around the control drawn from the internal
// skin's synthesised shadow and lowered frame.
#include "skin/paint/items/outer_picture.h"

#include <gtest/gtest.h>

#include <memory>

#include "skin/data/skin_source.h"
#include "skins/internal_skin.h"

namespace {

class OuterPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    source_ = TsSkinSource::FromPackedBytes(InternalSkinPackage());
    model_.Load(*source_);
    section_ = model_.GetSkinIndex("EDIT");
    ASSERT_GE(section_, 0);
  }
  TsGeneralData& Section() { return model_.gd[static_cast<size_t>(section_)]; }

  std::unique_ptr<TsSkinSource> source_;
  TsSkinModel model_;
  int section_ = -1;
};

TEST_F(OuterPicture, TheSectionsModeOrOwnMaskChoosesTheEffect) {
  const OuterEffectRecord& lowered = model_.OuterEffects[0];
  const OuterEffectRecord& shadow = model_.OuterEffects[1];
  ASSERT_GE(lowered.ImageIndex, 0);
  ASSERT_GE(shadow.ImageIndex, 0);
  const int own = model_.GetSkinIndex("BUTTON") >= 0 ? model_.GetMaskIndex("BUTTON", "GLOW0") : -1;
  ASSERT_GE(own, 0);
  struct {
    const char* Name;
    int Mode;
    int OwnMask;
    int Source;  // of both skin-wide effects
    const TsMaskData* Image;
    std::array<int, 4> Reach;
    int Opacity;
  } const rows[] = {
      {"none", 0, -1, 2, nullptr, {}, 255},
      {"lowered", 1, -1, 2, &model_.ma[static_cast<size_t>(lowered.ImageIndex)], lowered.Offset, lowered.Opacity},
      {"shadow", 2, -1, 2, &model_.ma[static_cast<size_t>(shadow.ImageIndex)], shadow.Offset, shadow.Opacity},
      {"unknown mode", 3, -1, 2, nullptr, {}, 255},
      {"skin without the effect", 2, -1, 0, nullptr, {}, 255},
      {"own mask wins", 2, own, 2, &model_.ma[static_cast<size_t>(own)], {1, 2, 3, 4}, 90},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Name);
    Section().OuterMode = row.Mode;
    Section().OuterMaskIndex = row.OwnMask;
    Section().OuterOffset = {1, 2, 3, 4};
    Section().OuterOpacity = 90;
    model_.OuterEffects[0].Source = model_.OuterEffects[1].Source = row.Source;
    const TacOuterLook look = OuterLook(model_, section_);
    EXPECT_EQ(look.Image, row.Image);
    if (!row.Image) continue;
    EXPECT_EQ(look.Reach, row.Reach);
    EXPECT_EQ(look.Opacity, row.Opacity);
  }
  EXPECT_EQ(OuterLook(model_, -1).Image, nullptr);
}

TEST_F(OuterPicture, ThePictureSurroundsTheControlAtTheEffectsOpacity) {
  const TacOuterLook shadow = OuterLook(model_, section_);  // EDIT keeps the default mode 2: the shadow
  ASSERT_NE(shadow.Image, nullptr);
  const auto& r = shadow.Reach;
  const TBitmap32 picture = MakeOuterPicture(shadow, 60, 20);
  ASSERT_EQ(picture.Width(), 60 + r[0] + r[2]);
  ASSERT_EQ(picture.Height(), 20 + r[1] + r[3]);
  int maxAlpha = 0, seen = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const TsColor p = picture.Row(y)[x];
      const int alpha = static_cast<int>(p >> 24);
      const bool inside = x >= r[0] && x < r[0] + 60 && y >= r[1] && y < r[1] + 20;
      if (inside) {
        ASSERT_EQ(p, 0u) << "the control itself stays clear at " << x << "," << y;
        continue;
      }
      // Premultiplied: no channel above the alpha.
      for (int shift : {0, 8, 16}) ASSERT_LE(static_cast<int>((p >> shift) & 0xFF), alpha) << x << "," << y;
      maxAlpha = std::max(maxAlpha, alpha);
      seen += alpha > 0;
    }
  EXPECT_GT(seen, 0);
  EXPECT_LE(maxAlpha, shadow.Opacity) << "never stronger than the effect's opacity";
  // Twice as opaque an effect: more alpha wherever there is any.
  TacOuterLook stronger = shadow;
  stronger.Opacity = 255;
  const TBitmap32 strong = MakeOuterPicture(stronger, 60, 20);
  EXPECT_GT(static_cast<int>(strong.Row(picture.Height() - 2)[picture.Width() / 2] >> 24),
            static_cast<int>(picture.Row(picture.Height() - 2)[picture.Width() / 2] >> 24));
  EXPECT_TRUE(MakeOuterPicture(shadow, 0, 20).Empty());
  EXPECT_TRUE(MakeOuterPicture({}, 60, 20).Empty());
}

// A form's shadow: the picture's corners as they are, its middle stretched
// over the form grown by the margins, premultiplied.
TEST(FormShadow, CornersKeptMiddleStretchedPremultiplied) {
  TBitmap32 picture(8, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x)  // white, alpha by place: (x + 1) * 10 + y
      picture.Row(y)[x] = (static_cast<TsColor>((x + 1) * 10 + y) << 24) | 0xFFFFFFu;
  const TBitmap32 shadow = MakeFormShadow(picture, {2, 1, 3, 4}, 20, 10);
  ASSERT_EQ(shadow.Width(), 25);
  ASSERT_EQ(shadow.Height(), 15);
  const auto alpha = [&](int x, int y) { return static_cast<int>(shadow.Row(y)[x] >> 24); };
  EXPECT_EQ(alpha(0, 0), 10);            // top left: the picture's top left
  EXPECT_EQ(alpha(3, 2), 42);            // inside the corner slices (4 x 3)
  EXPECT_EQ(alpha(24, 14), 85);          // bottom right
  EXPECT_EQ(alpha(21, 12), 53);          // the bottom right slice: its first column and row
  EXPECT_EQ(alpha(12, 0) / 10, 5);       // the middle columns come from the picture's middle
  // Premultiplied: white at alpha a is about a in every channel.
  EXPECT_NEAR(static_cast<int>(shadow.Row(0)[0] & 0xFF), 10, 1);
  EXPECT_TRUE(MakeFormShadow({}, {2, 2, 2, 2}, 20, 10).Empty());
  EXPECT_TRUE(MakeFormShadow(picture, {2, 2, 2, 2}, 0, 10).Empty());
}

}  // namespace
