#include "skin/data/binding/skin_color_changes.h"

#include <gtest/gtest.h>

#include "skin/paint/hsv.h"
#include "skin/paint/pixel_changes.h"

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

constexpr TsColor kPixel = 0xFF804020;

TsMaskData Record(const char* section, const char* key, TRect rect, int maskKind = 0) {
  TsMaskData md;
  md.SectionName = section;
  md.KeyName = key;
  md.SourceRect = rect;
  md.FrameCount = 1;
  md.MaskKind = static_cast<std::int16_t>(maskKind);
  return md;
}

TsMaskData OwnImage(const char* section, const char* key, int height = 1, int maskKind = 0) {
  TsMaskData md = Record(section, key, {0, 0, 1, height}, maskKind);
  md.Image = TBitmap32(1, height);
  for (int y = 0; y < height; ++y) md.Image.Row(y)[0] = kPixel;
  return md;
}

// Master columns: close glyph, max glyph, a button border, an unrelated name
// that merely starts like a glyph; then pictures of their own.
void FillGlyphs(TsSkinModel& model, int keepHue) {
  model.SkinData.BIKeepHUE = keepHue;
  model.MasterBitmap = TBitmap32(4, 1);
  for (int x = 0; x < 4; ++x) model.MasterBitmap.Row(0)[x] = kPixel;
  model.ma.push_back(Record("GLOBALINFO", "BICONCLOSE", {0, 0, 1, 1}));
  model.ma.push_back(Record("GLOBALINFO", "BICONMAX", {1, 0, 2, 1}));
  model.ma.push_back(Record("BUTTON", "BICONCLOSE", {2, 0, 3, 1}));
  model.ma.push_back(Record("GLOBALINFO", "BICONCLOSEX", {3, 0, 4, 1}));
  model.ma.push_back(OwnImage("GLOBALINFO", "SICONCLOSEGLOW"));
  model.ma.push_back(OwnImage("GLOBALINFO", "BICONMAXGLOW0"));
  model.ma.push_back(OwnImage("GLOBALINFO", "BICONHELP0"));
}

// Which of the seven pictures kept their colour after a hue shift.
std::vector<bool> KeptAfterHue(int keepHue) {
  TsSkinModel model;
  FillGlyphs(model, keepHue);
  ChangeSkinHue(model, 120);
  std::vector<bool> kept;
  for (int x = 0; x < 4; ++x) kept.push_back(model.MasterBitmap.Row(0)[x] == kPixel);
  for (std::size_t i = 4; i < model.ma.size(); ++i) kept.push_back(model.ma[i].Image.Row(0)[0] == kPixel);
  return kept;
}

TEST(SkinColorChanges, HueSparesTheTitleGlyphsTheSkinKeeps) {
  ASSERT_NE(ChangeColorHUE(kPixel, 120), kPixel);
  EXPECT_EQ(KeptAfterHue(0), std::vector<bool>(7, false));
  // From 2 up only the close glyphs and their glows.
  EXPECT_EQ(KeptAfterHue(2), (std::vector<bool>{true, false, false, false, true, false, false}));
  // At exactly 1 the other glyphs too.
  EXPECT_EQ(KeptAfterHue(1), (std::vector<bool>{true, true, false, false, true, true, false}));
}

TEST(SkinColorChanges, BrightnessKeepsMaskBandsInTheMasterAndOwnPictures) {
  TsSkinModel model;
  model.SkinData.Version = 8;
  model.MasterBitmap = TBitmap32(2, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) model.MasterBitmap.Row(y)[x] = kPixel;
  model.ma.push_back(Record("BUTTON", "BORDERSMASK", {0, 0, 1, 2}, 1));  // column 0: picture above its mask
  model.ma.push_back(OwnImage("EDIT", "BORDERSMASK", 2, 1));
  ChangeSkinBrightness(model, 16);
  const TsColor brighter = ChangeColorBrightness(kPixel, 16);
  ASSERT_NE(brighter, kPixel);
  EXPECT_EQ(model.MasterBitmap.Row(0)[0], brighter);
  EXPECT_EQ(model.MasterBitmap.Row(1)[0], kPixel);
  EXPECT_EQ(model.MasterBitmap.Row(1)[1], brighter);  // no record masks this column
  EXPECT_EQ(model.ma[1].Image.Row(0)[0], brighter);
  EXPECT_EQ(model.ma[1].Image.Row(1)[0], kPixel);
}

// A picture of its own: semi-transparent, transparent white, key, opaque.
TsColor BrightenedPixel(double version, int value, TsColor pixel) {
  TsSkinModel model;
  model.SkinData.Version = version;
  model.ma.push_back(OwnImage("FORM", "GLYPH"));
  model.ma[0].Image.Row(0)[0] = pixel;
  ChangeSkinBrightness(model, value);
  return model.ma[0].Image.Row(0)[0];
}

TEST(SkinColorChanges, BrightenedPicturesArePreparedOnceByTheSkinsAge) {
  const TsColor half = 0x80804020;
  const TsColor brighter = ChangeColorBrightness(half, 16);
  // Newer skin: premultiplied after brightening.
  EXPECT_EQ(BrightenedPixel(8, 16, half), 0x80000000u | ((brighter & 0xFF) * 0x80 >> 8) |
                                              (((brighter >> 8) & 0xFF) * 0x80 >> 8) << 8 |
                                              (((brighter >> 16) & 0xFF) * 0x80 >> 8) << 16);
  EXPECT_EQ(BrightenedPixel(8, 16, 0x00FFFFFF), 0u);
  EXPECT_EQ(BrightenedPixel(8, 16, sFuchsia), sFuchsia);
  EXPECT_EQ(BrightenedPixel(8, 16, kPixel), ChangeColorBrightness(kPixel, 16));
  // Older skin: only transparent white normalised.
  EXPECT_EQ(BrightenedPixel(7.2, 16, half), brighter);
  EXPECT_EQ(BrightenedPixel(7.2, 16, 0x00FFFFFF), 0u);
  // Darkening: loading prepared the picture already; nothing is done twice.
  EXPECT_EQ(BrightenedPixel(8, -16, half), ChangeColorBrightness(half, -16));
}

}  // namespace
