#include "skin/data/binding/change_image.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

class ChangeImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = Scratch.Path();
    fs::copy_file(fs::path(LANQUE_TEST_SKIN_DIR) / "Tex4.bmp", Dir / "Tex4.bmp");
    fs::copy_file(fs::path(LANQUE_TEST_SKIN_DIR) / "Glyph.png", Dir / "Glyph.png");
    std::ofstream(Dir / "Options.dat") << "[GLOBALINFO]\nVERSION=8.00\n[BUTTON]\nCOLOR=1\nGLYPH=Tex4.bmp\n";
    Source = TsSkinSource::FromFolder(Dir);
    Model.Load(*Source);
  }
  int Records(const std::string& section, const std::string& key) const {
    return static_cast<int>(std::count_if(Model.ma.begin(), Model.ma.end(), [&](const TsMaskData& md) {
      return md.SectionName == section && md.KeyName == key;
    }));
  }
  TScratchDir Scratch;
  fs::path Dir;
  std::unique_ptr<TsSkinSource> Source;
  TsSkinModel Model;
};

TEST_F(ChangeImageTest, ReplacesARecordsPictureOrAddsASingleFrameRecord) {
  ASSERT_EQ(Records("BUTTON", "GLYPH"), 1);
  EXPECT_TRUE(ChangeImageInSkin(Model, "button", "glyph", Dir / "Glyph.png"));
  EXPECT_EQ(Records("BUTTON", "GLYPH"), 1);
  const int replaced = Model.GetMaskIndex("BUTTON", "GLYPH");
  ASSERT_GE(replaced, 0);
  EXPECT_EQ(Model.ma[static_cast<std::size_t>(replaced)].SourceRect.Width(),
            Model.ma[static_cast<std::size_t>(replaced)].Image.Width());

  EXPECT_TRUE(ChangeImageInSkin(Model, "Button", "NewKey", Dir / "Tex4.bmp"));
  const int added = Model.GetMaskIndex("BUTTON", "NEWKEY");
  ASSERT_GE(added, 0);
  EXPECT_EQ(Model.ma[static_cast<std::size_t>(added)].FrameCount, 1);
}

TEST_F(ChangeImageTest, APictureForAPatternKeyBecomesThePattern) {
  EXPECT_TRUE(ChangeImageInSkin(Model, "BUTTON", "GLYPH", Dir / "Tex4.bmp"));  // a bitmap: an image record
  EXPECT_TRUE(ChangeImageInSkin(Model, "BUTTON", "HOTPATTERN", Dir / "Tex4.bmp"));
  EXPECT_EQ(Records("BUTTON", "HOTPATTERN"), 1);
  EXPECT_TRUE(ChangeImageInSkin(Model, "BUTTON", "HOTPATTERN", Dir / "Glyph.png"));
  EXPECT_EQ(Records("BUTTON", "HOTPATTERN"), 0);
  EXPECT_EQ(Model.pa.size(), 1u);
  EXPECT_EQ(Model.pa[0].KeyName, "HOTPATTERN");
}

TEST_F(ChangeImageTest, NothingChangesWithoutASkinOrAPicture) {
  EXPECT_FALSE(ChangeImageInSkin(Model, "BUTTON", "GLYPH", Dir / "missing.png"));
  std::ofstream(Dir / "junk.png") << "not a picture";
  EXPECT_FALSE(ChangeImageInSkin(Model, "BUTTON", "GLYPH", Dir / "junk.png"));
  TsSkinModel empty;
  EXPECT_FALSE(ChangeImageInSkin(empty, "BUTTON", "GLYPH", Dir / "Glyph.png"));
}

}  // namespace
