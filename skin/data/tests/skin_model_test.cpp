#include <gtest/gtest.h>

#include "skin/data/outer_effects.h"
#include "skin/data/packed_skin.h"
#include "skin/data/skin_folder.h"
#include "skin/data/skin_model.h"
#include "skin/data/tests/packed_test_util.h"
#include "skin/data/tests/skin_test_util.h"
#include "base/sys_colors.h"

namespace {

class TestSkin : public ::testing::Test {
 protected:
  void Load(const TsLoadSettings& settings = {}, int largeWidth = 1000) {
    MakeTestSkinFolder(dir_.Path() / "skin", largeWidth);
    source_ = TsSkinSource::FromFolder(dir_.Path() / "skin");
    model_.Load(*source_, settings);
  }
  const TsGeneralData& Section(const char* name) {
    const int i = model_.GetSkinIndex(name);
    EXPECT_GE(i, 0) << name;
    return model_.gd.at(static_cast<std::size_t>(i));
  }
  const TsMaskData& Image(const char* section, const char* key) {
    const int i = model_.GetMaskIndex(section, key);
    EXPECT_GE(i, 0) << section << " " << key;
    return model_.ma.at(static_cast<std::size_t>(i));
  }
  TScratchDir dir_;
  std::unique_ptr<TsSkinSource> source_;
  TsSkinModel model_;
};

}  // namespace

TEST_F(TestSkin, KeysInheritThroughThreeLevelsAndReferencesConvertOnlyWhenInherited) {
  Load();
  const TsGeneralData& child = Section("CHILD");
  EXPECT_EQ(child.ParentClass, "PARENT");
  EXPECT_EQ(child.Props[0].Color, 255u);                           // from the parent
  EXPECT_EQ(child.Props[0].FontColor[0], SysColor(8));             // the grandparent's reference, as RGB
  EXPECT_EQ(child.Props[0].FontColor[1], 0x80000005u);             // its own reference stays
  EXPECT_EQ(Section("OWNREF").Props[0].FontColor[0], 0x80000008u);
  EXPECT_EQ(Section("grandparent").Props[0].FontColor[0], 0x80000008u);
  EXPECT_TRUE(child.GiveOwnFont);
  EXPECT_EQ(child.Glow, 255);                    // 300 inherited, then limited
  EXPECT_EQ(Section("grandparent").Glow, 255);
  EXPECT_EQ(Section("grandparent").GlowMargin, -5);  // negative values pass the limit
  // The border image is found in the grandparent at lookup time.
  EXPECT_EQ(child.BorderMaskIndex, model_.GetMaskIndex("grandparent", "BORDERSMASK"));
}

TEST_F(TestSkin, OneStateCopiesTheNormalValuesAndGradientsFollowTheirThresholds) {
  Load();
  const TsGeneralData& child = Section("CHILD");
  EXPECT_EQ(child.States, 1);
  EXPECT_EQ(child.Props[1].Color, child.Props[0].Color);  // HOTCOLOR is ignored
  EXPECT_EQ(child.Props[1].FontColor, child.Props[0].FontColor);
  const TsGeneralData& g = Section("grandparent");
  EXPECT_EQ(g.Props[0].GradientData, "N/A");
  EXPECT_EQ(g.Props[0].GradientPercent, 40);  // "N/A" is parsed: no stripes
  EXPECT_TRUE(g.Props[0].GradientArray.empty());
  EXPECT_EQ(g.Props[1].GradientPercent, 0);   // the hot one is too short
  const TsGeneralData& images = Section("IMAGES");
  ASSERT_EQ(images.Props[0].GradientArray.size(), 2u);
  EXPECT_EQ(images.Props[0].GradientArray[0].Color2, 0xE6CEBBu);
}

TEST_F(TestSkin, SelfNamedParentsAndCyclesEndInTheDefaults) {
  Load();
  const TsGeneralData& selfish = Section("SELFISH");
  EXPECT_EQ(selfish.Props[0].Color, 0xFFFFFFu);
  EXPECT_EQ(model_.GetMaskIndex(model_.GetSkinIndex("SELFISH"), "SELFISH", "BORDERSMASK"), -1);
  const TsGeneralData& a = Section("CYCLEA");
  EXPECT_EQ(a.Props[0].Transparency, 100);  // 150 from CYCLEB, limited
  EXPECT_EQ(a.Glow, 0);                     // given by neither: the cycle yields the default
  EXPECT_EQ(model_.GetMaskIndex(model_.GetSkinIndex("CYCLEA"), "CYCLEA", "NOTHING"), -1);
}

TEST_F(TestSkin, LookupsCompareNamesExactlyAndTransparentIsAppended) {
  Load();
  EXPECT_EQ(model_.GetSkinIndex("TRANSPARENT"), static_cast<int>(model_.gd.size()) - 1);
  EXPECT_EQ(Section("TRANSPARENT").Props[0].Transparency, 100);
  EXPECT_EQ(Section("TRANSPARENT").Props[1].FontColor[0], model_.GetGlobalFontColor());
  EXPECT_EQ(model_.GetSkinIndex("button_huge"), -1);
  EXPECT_EQ(model_.GetSkinIndex(""), -1);
  EXPECT_EQ(model_.GetMaskIndex("images", "BORDER"), -1);
  EXPECT_EQ(model_.GetMaskIndex(-1, "IMAGES", "BORDER"), -1);
  EXPECT_FALSE(model_.IsValidSkinIndex(static_cast<int>(model_.gd.size())));
}

TEST_F(TestSkin, EveryImageFormGivesItsRecord) {
  Load();
  const TsMaskData& border = Image("IMAGES", "BORDER");
  EXPECT_EQ(border.SourceRect, (TRect{206, 0, 230, 26}));
  EXPECT_EQ(border.MarginLeft, 3);
  EXPECT_EQ(border.MarginBottom, 3);
  EXPECT_EQ(border.FrameCount, 3);
  EXPECT_EQ(border.MaskKind, 1);
  EXPECT_EQ(border.PaintMode, 1);
  EXPECT_EQ(border.UniformMargin, 1);
  EXPECT_EQ(border.CornerKind, 1);  // key colour in the top-left corner
  EXPECT_EQ(Image("BUTTON_HUGE", "BORDERSMASK").CornerKind, 2);
  EXPECT_EQ(Image("IMAGES", "GLYPH").Kind, itisaGlyph);
  EXPECT_EQ(Image("IMAGES", "TEXTURE").Kind, itisaTexture);
  EXPECT_EQ(Image("IMAGES", "TEXTURE").MaskKind, 1);

  const TsMaskData& png = Image("IMAGES", "FILE4");  // four words: margins from the size
  EXPECT_EQ(png.Kind, itisaPngGlyph);
  EXPECT_EQ(png.MarginLeft, 1);  // 8 / (2 x 3)
  EXPECT_EQ(png.MarginTop, 1);   // 4 / 3
  EXPECT_EQ(png.Image.Row(0)[0], 0x807F0000u);  // premultiplied for a skin newer than 7.45
  EXPECT_EQ(png.Image.Row(0)[4], 0u);

  const TsMaskData& mono = Image("IMAGES", "FILE9");
  EXPECT_EQ(mono.Kind, itisaPngGlyph);
  EXPECT_EQ(mono.MarginRight, 1);
  EXPECT_EQ(mono.PaintMode, 3);
  EXPECT_EQ(mono.Image.Row(0)[0], 0xFFFFFFFFu);
  EXPECT_EQ(mono.Image.Row(1)[0], 0xFF000000u);

  const TsMaskData& plain = Image("IMAGES", "PLAIN");  // names upper-cased
  EXPECT_EQ(plain.FrameCount, 3);
  EXPECT_EQ(plain.MaskKind, 1);
  EXPECT_EQ(plain.Image.Row(0)[2], sFuchsia);  // key pixels keep alpha 0
  EXPECT_EQ(plain.Image.Row(0)[1], 0xFFFF0000u);

  const TsMaskData& hash = Image("IMAGES", "HASH");
  EXPECT_EQ(hash.PaintMode, 4);
  EXPECT_EQ(hash.MarginLeft, 10);  // own text, no margins: the whole frame
  EXPECT_EQ(hash.MarginTop, 6);

  EXPECT_EQ(model_.GetMaskIndex("IMAGES", "NOTIMAGE"), -1);
  EXPECT_EQ(model_.GetMaskIndex("IMAGES", "NUMBER"), -1);
  EXPECT_EQ(model_.GetMaskIndex("IMAGES", "MISSING"), -1);
  ASSERT_EQ(model_.Unresolved.size(), 1u);
  EXPECT_EQ(model_.Unresolved[0].Key, "MISSING");
}

TEST_F(TestSkin, LargeJpegsArePatternsAndSmallOnesTextures) {
  Load();
  const int images = model_.GetSkinIndex("IMAGES");
  const int small = model_.GetTextureIndex(images, "IMAGES", "PATTERN");
  ASSERT_GE(small, 0);
  EXPECT_EQ(model_.ma[static_cast<std::size_t>(small)].Image.Width(), 40);
  EXPECT_EQ(Section("IMAGES").TextureIndex, small);
  EXPECT_EQ(model_.GetTextureIndex(images, "IMAGES", "HOTPATTERN"), -1);
  EXPECT_EQ(model_.GetPatternIndex(images, "IMAGES", "HOTPATTERN"), 0);  // 1000 x 900
  model_.Clear();
  source_.reset();
  Load({}, 999);
  EXPECT_TRUE(model_.pa.empty());  // 999 x 900 stays an image record
  EXPECT_GE(model_.GetTextureIndex(model_.GetSkinIndex("IMAGES"), "IMAGES", "HOTPATTERN"), 0);
}

TEST_F(TestSkin, SkinWideValuesOuterEffectsAndConstants) {
  Load();
  EXPECT_DOUBLE_EQ(model_.SkinData.Version, 8.0);
  EXPECT_EQ(model_.SkinData.Author, "tester");
  EXPECT_EQ(model_.SkinData.TitleHeight, 30);
  EXPECT_EQ(model_.SkinData.MaxHeight, 30);
  EXPECT_EQ(model_.SkinData.BorderWidth, 4);
  EXPECT_FALSE(model_.MasterBitmap.Empty());  // "master.BMP" found ignoring case
  EXPECT_EQ(model_.MasterBitmap.Row(0)[206], sFuchsia);
  EXPECT_EQ(model_.MasterBitmap.Row(0)[0] >> 24, 255u);

  const OuterEffectRecord& shadow = model_.OuterEffects[1];
  ASSERT_GE(shadow.ImageIndex, 0);
  EXPECT_EQ(model_.ma[static_cast<std::size_t>(shadow.ImageIndex)].SourceRect, (TRect{206, 0, 230, 26}));
  EXPECT_EQ(model_.ma[static_cast<std::size_t>(shadow.ImageIndex)].CornerKind, 0);
  const OuterEffectRecord& lowered = model_.OuterEffects[0];
  EXPECT_EQ(lowered.Width, (std::array<int, 4>{9, 9, 9, 9}));
  const TsMaskData& blur = model_.ma.at(static_cast<std::size_t>(lowered.ImageIndex));
  EXPECT_EQ(blur.SourceRect, (TRect{0, 0, 19, 38}));
  EXPECT_EQ(blur.Image.Row(0)[9], 0xFFFF0000u);  // LO_COLORT red, top band
  EXPECT_EQ(blur.Image.Row(18)[9], 0xFFFFFFFFu);  // LO_COLORB white
  EXPECT_EQ(blur.Image.Row(5)[0], 0xFFFFFFFFu);   // the left triangle in LO_COLORL
  EXPECT_EQ(blur.Image.Row(19 + 9)[9] & 0xFF, 51u);
  EXPECT_EQ(blur.Image.Row(19 + 18)[1], blur.Image.Row(19)[1]);  // rows mirror
  EXPECT_EQ(blur.Image.Row(19)[1] & 0xFF, 254u);

  const TacSkinConstants& c = model_.SkinConstants;
  EXPECT_EQ(c.IndexGlobalInfo, 0);
  EXPECT_EQ(c.TitleGlyphs[0], model_.GetMaskIndex("GLOBALINFO", "BICONCLOSE"));
  EXPECT_EQ(c.TitleGlyphs[1], -1);
  EXPECT_EQ(c.ExBorder, -1);
  EXPECT_EQ(c.Sections[ssMenuItem], model_.GetSkinIndex("MENUITEM"));
  EXPECT_EQ(c.Sections[ssTransparent], model_.GetSkinIndex("TRANSPARENT"));
  EXPECT_EQ(c.ScrollBtns[0].SkinIndex, -1);
}

TEST_F(TestSkin, PaletteComesFromGlobalInfoEditAndTheMenuItem) {
  Load();
  EXPECT_EQ(model_.GetGlobalColor(), 12632256u);
  EXPECT_EQ(model_.GetActiveEditColor(), SysColor(5));
  EXPECT_EQ(model_.GetActiveEditFontColor(), 128u);
  EXPECT_EQ(model_.GetHighLightColor(false), 0xFF0000u);
  EXPECT_EQ(model_.GetHighLightColor(true), 0xFF0000u);
  // The menu item gives the key colour as its hot text: the highlight-text reference.
  EXPECT_EQ(model_.GetHighLightFontColor(true), 0x8000000Eu);
  EXPECT_EQ(model_.Palette[pcWebText], 0xFF0000u);
  EXPECT_EQ(model_.Palette[pcEditText_Caution], 0x8597D9u);
  EXPECT_EQ(model_.Palette[pcEditBG_EvenRow], MixColors(128, SysColor(5), 0.05));
}

TEST_F(TestSkin, CommonSectionsUpdateAppendAndAddImages) {
  TsLoadSettings settings;
  settings.CommonSections =
      "[EDIT]\nCOLOR=255\n[NEWONE]\nPARENTCLASS=parent\nSTATES=1\n[LONE]\nFONTCOLOR=5\nGLYPHMASK=tex4.bmp\n";
  Load(settings);
  EXPECT_EQ(Section("EDIT").Props[0].Color, 255u);
  EXPECT_EQ(Section("EDIT").Props[0].FontColor[0], 128u);  // kept
  const TsGeneralData& added = Section("NEWONE");
  EXPECT_EQ(added.ParentClass, "PARENT");
  EXPECT_EQ(added.Props[0].Color, 255u);
  EXPECT_TRUE(added.GiveOwnFont);
  EXPECT_EQ(added.Props[1].Color, 255u);
  const TsGeneralData& lone = Section("LONE");
  EXPECT_EQ(lone.States, 3);
  EXPECT_EQ(lone.Props[0].FontColor[0], 5u);
  EXPECT_EQ(lone.Props[0].FontColor[1], kNoContour);
  EXPECT_EQ(Image("LONE", "GLYPHMASK").FrameCount, 3);
  EXPECT_LT(model_.GetSkinIndex("LONE"), model_.GetSkinIndex("TRANSPARENT"));
}

TEST_F(TestSkin, FolderAndPackedFileGiveTheSameModel) {
  Load();
  ASSERT_TRUE(PackDir(dir_.Path() / "skin", dir_.Path() / "skin.asz"));
  const auto packed = TsSkinSource::FromPackedFile(dir_.Path() / "skin.asz");
  TsSkinModel other;
  other.Load(*packed);
  EXPECT_EQ(other.gd.size(), model_.gd.size());
  EXPECT_EQ(other.ma.size(), model_.ma.size());
  EXPECT_EQ(other.pa.size(), model_.pa.size());
  EXPECT_EQ(other.Unresolved.size(), model_.Unresolved.size());
  other.Clear();
  EXPECT_TRUE(other.gd.empty() && other.ma.empty() && other.pa.empty() && other.MasterBitmap.Empty());
  EXPECT_FALSE(other.IsValidSkinIndex(0));
}

TEST(SkinModel, ASecondSkinInTheSameModelIsLookedUpAfresh) {
  const auto package = [](std::string_view options) {
    return WritePackedEntries({{"Options.dat", 0, {options.begin(), options.end()}}});
  };
  // As many image records as the first skin, so they fill the same storage.
  const std::vector<std::uint8_t> first = package("[ONE]\nGLYPHMASK=@0000@0000@0010@0010@1@0\n");
  const std::vector<std::uint8_t> second = package("[TWO]\nGLYPHMASK=@0000@0000@0010@0010@1@0\n");
  TsSkinModel model;
  model.Load(*TsSkinSource::FromPackedBytes(first));
  const int glyph = model.GetMaskIndex("ONE", "GLYPHMASK");
  ASSERT_GE(glyph, 0);
  const std::size_t records = model.ma.size();
  model.Load(*TsSkinSource::FromPackedBytes(second));
  ASSERT_EQ(model.ma.size(), records);
  EXPECT_EQ(model.GetMaskIndex("ONE", "GLYPHMASK"), -1);
  EXPECT_EQ(model.GetMaskIndex("TWO", "GLYPHMASK"), glyph);
  EXPECT_EQ(model.GetMaskIndex(model.GetSkinIndex("TWO"), "TWO", "GLYPHMASK"), glyph);
}
