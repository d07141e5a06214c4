#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "skin/data/file_bytes.h"
#include "skin/data/image_values.h"
#include "skin/data/packed_skin.h"
#include "skin/data/skin_folder.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_source.h"
#include "skins/internal_skin.h"
#include "tests/support/scratch_dir.h"

namespace {

const std::vector<std::string> kRequiredSections = {
    "GLOBALINFO", "FORM", "FORMTITLE", "CAPTION", "DIALOG", "BUTTON", "BUTTON_HUGE", "EDIT", "CHECKBOX",
    "TRANSPARENT", "GROUPBOX", "WEBBUTTON", "TOOLBUTTON", "MENUITEM", "MAINMENU", "MENULINE", "ICOLINE",
    "SELECTION", "COMBOBOX", "COMBOBTN", "PANEL", "SCROLLBTNLEFT", "SCROLLBTNTOP", "SCROLLBTNRIGHT",
    "SCROLLBTNBOTTOM", "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V", "SCROLLSLIDERH",
    "SCROLLSLIDERV", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "DIALOGTITLE", "DIVIDER", "PANEL_LOW", "EXTRALINE",
    "TRACKBAR", "TABTOP", "PAGECONTROL", "STATUSBAR", "SPLITTER",
    // Sections the controls and window adapters choose by kind.
    "BAR", "BARTITLE", "TOOLBAR", "DRAGBAR", "TABSHEET", "GAUGE", "COLHEADER", "UPDOWNBTN", "MDIAREA",
    "TABLEFT", "TABRIGHT", "TABBOTTOM", "RADIOBUTTON"};

class InternalSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    source_ = TsSkinSource::FromPackedBytes(InternalSkinPackage());
    model_.Load(*source_);
  }
  std::unique_ptr<TsSkinSource> source_;
  TsSkinModel model_;
};

}  // namespace

TEST(InternalSkinPackage, HoldsOptionsTheButtonPicturesAndMasterInThatOrder) {
  const std::vector<TPackedEntry> entries = ReadPackedEntries(InternalSkinPackage());
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].Name, "Options.dat");
  EXPECT_EQ(entries[1].Name, "ButtonGlow.bmp");
  EXPECT_EQ(entries[2].Name, "ButtonHuge.bmp");
  EXPECT_EQ(entries[3].Name, "CloseGlow.bmp");
  EXPECT_EQ(entries[4].Name, "Master.bmp");
}

TEST(InternalSkinPackage, EqualsWhatPackDirWritesOfTheSkinFolder) {
  const TScratchDir scratch;
  const auto file = scratch.Path() / "internal.asz";
  ASSERT_TRUE(PackDir(LANQUE_INTERNAL_SKIN_DIR, file));
  const std::vector<std::uint8_t> packed = ReadFileBytes(file);
  const std::span<const std::uint8_t> embedded = InternalSkinPackage();
  EXPECT_TRUE(std::equal(packed.begin(), packed.end(), embedded.begin(), embedded.end()));
}

TEST_F(InternalSkin, HasEverySectionThePaintersLookUp) {
  for (const std::string& name : kRequiredSections) EXPECT_GE(model_.GetSkinIndex(name), 0) << name;
  EXPECT_GE(model_.SkinData.Version, 7.45);
  EXPECT_LE(model_.SkinData.Version, 9.99);
  EXPECT_FALSE(model_.MasterBitmap.Empty());
}

TEST_F(InternalSkin, EveryImageValueResolvesToAPicture) {
  EXPECT_TRUE(model_.Unresolved.empty()) << model_.Unresolved.front().Section << " " << model_.Unresolved.front().Key;
  for (const TIniText::TSection& section : source_->Options().Sections())
    for (const TIniText::TKey& key : section.Keys) {
      if (ParseImageValue(key.Value).Form == TImageForm::None || key.Name == "MASTERBITMAP") continue;
      const int index = model_.GetMaskIndex(section.Name, key.Name);
      ASSERT_GE(index, 0) << section.Name << " " << key.Name;
      const TsMaskData& md = model_.ma[static_cast<std::size_t>(index)];
      EXPECT_GT(WidthOfImage(md), 0) << section.Name << " " << key.Name;
      EXPECT_GT(HeightOfImage(md), 0) << section.Name << " " << key.Name;
    }
}

TEST_F(InternalSkin, ConstantIndexesFindTheGlyphsGripsAndSections) {
  const TacSkinConstants& c = model_.SkinConstants;
  EXPECT_GE(c.IndexGlobalInfo, 0);
  for (int index : c.TitleGlyphs) EXPECT_TRUE(model_.IsValidImgIndex(index));
  for (int index : c.CheckGlyphs) EXPECT_TRUE(model_.IsValidImgIndex(index));
  for (int index : c.Grips) EXPECT_TRUE(model_.IsValidImgIndex(index));
  for (int index : c.Sections) EXPECT_TRUE(model_.IsValidSkinIndex(index));
  for (const auto& e : c.ScrollBtns) {
    EXPECT_TRUE(model_.IsValidImgIndex(e.BorderMaskIndex)) << e.SectionName;
    EXPECT_TRUE(model_.IsValidImgIndex(e.GlyphMaskIndex)) << e.SectionName;
  }
  for (const auto& e : c.ScrollBars) EXPECT_TRUE(model_.IsValidImgIndex(e.BorderMaskIndex)) << e.SectionName;
  for (const auto& e : c.ScrollSliders) EXPECT_TRUE(model_.IsValidImgIndex(e.BorderMaskIndex)) << e.SectionName;
  EXPECT_TRUE(model_.IsValidImgIndex(c.ComboBtn.GlyphMaskIndex));
  EXPECT_TRUE(model_.IsValidImgIndex(c.Tabs[1].BorderMaskIndex));
}

TEST_F(InternalSkin, RoundedButtonsHaveKeyColourCornersAndTheHugeButtonItsOwnKind) {
  const auto border = [&](const char* name) -> const TsMaskData& {
    const int s = model_.GetSkinIndex(name);
    return model_.ma[static_cast<std::size_t>(model_.gd[static_cast<std::size_t>(s)].BorderMaskIndex)];
  };
  EXPECT_EQ(border("BUTTON").CornerKind, 1);
  EXPECT_EQ(border("EDIT").CornerKind, 1);
  EXPECT_EQ(border("BUTTON_HUGE").CornerKind, 2);
  EXPECT_FALSE(border("BUTTON_HUGE").Image.Empty());
  EXPECT_EQ(border("BUTTON").FrameCount, 4);
  EXPECT_EQ(border("BUTTON").MaskKind, 1);
}
