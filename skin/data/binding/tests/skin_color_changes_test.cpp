#include "skin/data/binding/skin_color_changes.h"

#include <gtest/gtest.h>

#include "skin/paint/hsv.h"

namespace {

// A model with one section and one picture of its own, one key pixel in it.
void Fill(TsSkinModel& model) {
  model.gd.resize(1);
  model.gd[0].Props[0].Color = 0x00406080;
  model.gd[0].Props[0].FontColor = {0x00102030, kNoContour, kNoContour, kNoContour, kNoContour};
  model.Palette[pcMainColor] = 0x00406080;
  model.Palette[pcWebTextHot] = 0x00406080;  // not among the shifted palette colours
  TsMaskData md;
  md.Image = TBitmap32(2, 1);
  md.Image.Row(0)[0] = 0xFF804020;
  md.Image.Row(0)[1] = sFuchsia;  // the key colour as decoded: alpha 0
  model.ma.push_back(std::move(md));
}

TEST(SkinColorChanges, BrightnessShiftsColoursAndPicturesButNotKeysOrUnlistedPalette) {
  TsSkinModel model;
  Fill(model);
  ChangeSkinBrightness(model, 16);
  EXPECT_EQ(model.gd[0].Props[0].Color, 0x00507090u);
  EXPECT_EQ(model.gd[0].Props[0].FontColor[0], 0x00203040u);
  EXPECT_EQ(model.gd[0].Props[0].FontColor[1], kNoContour);
  EXPECT_EQ(model.Palette[pcMainColor], 0x00507090u);
  EXPECT_EQ(model.Palette[pcWebTextHot], 0x00406080u);
  EXPECT_EQ(model.ma[0].Image.Row(0)[0] & 0xFFFFFFu, 0x905030u);
  EXPECT_EQ(model.ma[0].Image.Row(0)[1], sFuchsia);
}

TEST(SkinColorChanges, ZeroChangesNothingAndHueTurnsColours) {
  TsSkinModel model;
  Fill(model);
  ApplyColorChanges(model, 0, 0, 0);
  EXPECT_EQ(model.gd[0].Props[0].Color, 0x00406080u);
  ChangeSkinHue(model, 120);
  EXPECT_EQ(model.gd[0].Props[0].Color, ChangeHue(120, 0x00406080));
  EXPECT_NE(model.gd[0].Props[0].Color, 0x00406080u);
  ChangeSkinSaturation(model, -100);  // all grey
  const TColor grey = model.gd[0].Props[0].Color;
  EXPECT_EQ(ByteOf(grey, 0), ByteOf(grey, 1));
  EXPECT_EQ(ByteOf(grey, 1), ByteOf(grey, 2));
}

}  // namespace
