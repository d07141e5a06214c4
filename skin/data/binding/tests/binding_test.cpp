#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "skin/data/binding/bg_info.h"
#include "skin/data/binding/bound_label_layout.h"
#include "skin/data/binding/control_kinds.h"
#include "skin/data/binding/skin_commands.h"
#include "skin/data/binding/skin_names.h"
#include "tests/support/scratch_dir.h"

namespace {

TEST(SkinCommand, CodeTravelsInTheHighWordAndTheArgumentInTheLowWord) {
  constexpr auto w = MakeAcmWParam(acmBgChanged, 1);
  EXPECT_EQ(w, 0x00110001u);
  EXPECT_EQ(AcmCode(w), acmBgChanged);
  EXPECT_EQ(AcmArgument(w), 1);
  EXPECT_EQ(AcmCode(MakeAcmWParam(acmSkinDataArrived, 0x12345)), acmSkinDataArrived);
  EXPECT_EQ(AcmArgument(MakeAcmWParam(acmSkinDataArrived, 0x12345)), 0x2345);
}

TEST(BackgroundAnswer, CacheBecomesAReadyInfoAtTheOffsetAndAnythingElseAFill) {
  TBitmap32 cache(20, 10);
  TacBGInfo info;
  info.BgType = btCache;
  info.Bitmap = &cache;
  info.Offset = {5, 7};
  TCacheInfo ci = BGInfoToCI(info);
  EXPECT_TRUE(ci.Ready);
  EXPECT_EQ(ci.Bitmap, &cache);
  EXPECT_EQ(ci.X, 5);
  EXPECT_EQ(ci.Y, 7);

  TacBGInfo fill;
  fill.BgType = btFill;
  fill.Color = 0x80000000u | 15;  // a system colour reference is resolved
  fill.FillMargins = {2, 3, 4, 5};
  ci = BGInfoToCI(fill);
  EXPECT_FALSE(ci.Ready);
  EXPECT_EQ(ci.FillColor, ColorToRGB(fill.Color));
  EXPECT_EQ(ci.FillColor & 0x80000000u, 0u);
  EXPECT_EQ(ci.Rect, (TRect{2, 3, 4, 5}));
  EXPECT_EQ(ci.Bitmap, nullptr);

  TacBGInfo notReady;
  notReady.BgType = btNotReady;
  notReady.Color = sFuchsia;
  EXPECT_FALSE(BGInfoToCI(notReady).Ready);
  EXPECT_EQ(BGInfoToCI(notReady).FillColor, sFuchsia);
}

TEST(ControlKinds, DefaultSectionsAndBehaviourSets) {
  EXPECT_EQ(DefaultSectionOfKind(ckEdit, "TsEdit"), "EDIT");
  EXPECT_EQ(DefaultSectionOfKind(85, "x"), "EDIT");
  EXPECT_EQ(DefaultSectionOfKind(9, "TsMystery"), "TSMYSTERY");  // 9 lies in no row
  EXPECT_EQ(DefaultSectionOfKind(ckCheckBox, ""), "CHECKBOX");
  EXPECT_EQ(DefaultSectionOfKind(ckBitBtn, ""), "BUTTON");
  EXPECT_EQ(DefaultSectionOfKind(ckSpeedButton, ""), "SPEEDBUTTON");
  EXPECT_EQ(DefaultSectionOfKind(52, ""), "PANEL_LOW");
  EXPECT_EQ(DefaultSectionOfKind(226, ""), "GROUPBOX");
  EXPECT_EQ(DefaultSectionOfKind(300, "TsPanel"), "TSPANEL");

  EXPECT_TRUE(IsEditCtrl(ckEdit));
  EXPECT_TRUE(IsEditCtrl(231));
  EXPECT_FALSE(IsEditCtrl(19));
  EXPECT_TRUE(IsForbidMouse(19));
  EXPECT_TRUE(IsForbidMouse(161));
  EXPECT_FALSE(IsForbidMouse(162));
  EXPECT_TRUE(IsCanNotBeHot(226));
  EXPECT_FALSE(IsCanNotBeHot(53));
  EXPECT_FALSE(IsEditCtrl(-1));
  EXPECT_FALSE(IsForbidMouse(256 + 19));  // values above 255 are in no set
}

TEST(SkinNames, SuffixInAnyCaseIsDroppedOnlyWithANameBeforeIt) {
  EXPECT_EQ(StripSkinSuffix("Blue.ASZ"), "Blue");
  EXPECT_EQ(StripSkinSuffix("Blue.aSz"), "Blue");
  EXPECT_EQ(StripSkinSuffix("Blue"), "Blue");
  EXPECT_EQ(StripSkinSuffix(".asz"), ".asz");
  EXPECT_EQ(StripSkinSuffix("a.asz"), "a");
  EXPECT_EQ(StripSkinSuffix("Blue.asz.bak"), "Blue.asz.bak");
}

TEST(SkinNames, SkinDirectoryIsResolvedAgainstTheProgramFolder) {
  const std::string app = "c:\\Prog\\Bin\\";
  EXPECT_EQ(FullSkinDirectory("c:\\Skins", app), "c:\\Skins\\");
  EXPECT_EQ(FullSkinDirectory("\\\\server\\share", app), "\\\\server\\share\\");
  EXPECT_EQ(FullSkinDirectory("Skins", app), "c:\\Prog\\Bin\\Skins\\");
  EXPECT_EQ(FullSkinDirectory(".", app), "c:\\Prog\\Bin\\");
  EXPECT_EQ(FullSkinDirectory(".\\Skins", app), "c:\\Prog\\Bin\\Skins\\");
  EXPECT_EQ(FullSkinDirectory("./Skins/", app), "c:\\Prog\\Bin\\Skins/");
  EXPECT_EQ(FullSkinDirectory("..\\Skins", app), "c:\\Prog\\Skins\\");
}

TEST(SkinNames, DirectoryListsFoldersWithOptionsAndPackedFiles) {
  namespace fs = std::filesystem;
  const TScratchDir scratch;
  const fs::path& dir = scratch.Path();
  fs::create_directories(dir / "Folder");
  fs::create_directories(dir / "NoOptions");
  fs::create_directories(dir / ".Hidden");
  std::ofstream(dir / "Folder" / "Options.dat") << "[GLOBALINFO]\n";
  std::ofstream(dir / ".Hidden" / "Options.dat") << "[GLOBALINFO]\n";
  std::ofstream(dir / "Packed.ASZ") << "x";
  std::ofstream(dir / "readme.txt") << "x";
  const std::string full = dir.string() + "/";

  auto sorted = [](std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
  };
  EXPECT_EQ(sorted(ExternalSkinsIn(full, stAllSkins)), (std::vector<std::string>{"Folder", "Packed"}));
  EXPECT_EQ(ExternalSkinsIn(full, stUnpacked), (std::vector<std::string>{"Folder"}));
  EXPECT_EQ(ExternalSkinsIn(full, stPacked), (std::vector<std::string>{"Packed"}));
  EXPECT_TRUE(ExternalSkinsIn(full + "missing/", stAllSkins).empty());
}

TEST(BoundLabel, PlacesTheLabelByLayout) {
  const TRect edit{100, 50, 200, 71};  // 100 x 21
  EXPECT_EQ(BoundLabelPosition(edit, 40, 14, sclLeft, 2).X, 100 - 46);
  EXPECT_EQ(BoundLabelPosition(edit, 40, 14, sclLeft, 2).Y, 53);  // (21 - 14) / 2 = 3
  EXPECT_EQ(BoundLabelPosition(edit, 40, 30, sclLeft, 0).Y, 46);  // -9 / 2 rounds toward zero: -4
  EXPECT_EQ(BoundLabelPosition(edit, 40, 14, sclLeftTop, 2).Y, 53);
  EXPECT_EQ(BoundLabelPosition(edit, 40, 14, sclTopLeft, 2).X, 100);
  EXPECT_EQ(BoundLabelPosition(edit, 40, 14, sclTopLeft, 2).Y, 34);
  EXPECT_EQ(BoundLabelPosition(edit, 40, 14, sclTopCenter, 2).X, 130);
  EXPECT_EQ(BoundLabelPosition(edit, 40, 14, sclTopRight, 2).X, 160);
  EXPECT_EQ(BoundLabelPosition(edit, 40, 14, sclBottomCenter, 2).Y, 73);
  EXPECT_EQ(BoundLabelPosition(edit, 40, 14, sclBottomRight, 2).X, 160);
}

}  // namespace
