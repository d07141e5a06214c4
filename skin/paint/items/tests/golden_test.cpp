// Sections of the internal skin painted over a parent of one colour, compared
// pixel for pixel with pictures a person has looked at (made by
// "lanque-skin render skins/internal SECTION STATE WxH FILE [#RRGGBB]").
#include <gtest/gtest.h>

#include <string>

#include "skin/data/file_bytes.h"
#include "skin/data/image_decode.h"
#include "skin/paint/fills.h"
#include "skin/paint/items/paint_item.h"
#include "skins/internal_skin.h"

namespace {

struct TGolden {
  const char* Section;
  int State;
  int Width;
  int Height;
  TColor Parent;  // sFuchsia: the skin's main colour
  const char* File;
};

class Golden : public ::testing::TestWithParam<TGolden> {
 protected:
  static void SetUpTestSuite() {
    source_ = TsSkinSource::FromPackedBytes(InternalSkinPackage()).release();
    model_ = new TsSkinModel;
    model_->Load(*source_);
  }
  static void TearDownTestSuite() {
    delete model_;
    delete source_;
  }
  static TsSkinSource* source_;
  static TsSkinModel* model_;
};
TsSkinSource* Golden::source_ = nullptr;
TsSkinModel* Golden::model_ = nullptr;

TEST_P(Golden, PaintsThePicturePixelForPixel) {
  const TGolden& g = GetParam();
  const std::optional<TLoadedImage> expected =
      DecodeImage(ReadFileBytes(std::string(LANQUE_GOLDEN_DIR) + "/" + g.File));
  ASSERT_TRUE(expected.has_value()) << g.File;
  ASSERT_EQ(expected->Bitmap.Width(), g.Width);
  ASSERT_EQ(expected->Bitmap.Height(), g.Height);

  TBitmap32 parent(g.Width, g.Height);
  FillRect32(parent, {0, 0, g.Width, g.Height}, g.Parent == sFuchsia ? model_->GetGlobalColor() : g.Parent, 255);
  TCacheInfo ci;
  ci.Bitmap = &parent;
  ci.X = 0;
  ci.Y = 0;
  ci.Ready = true;
  TBitmap32 bmp(g.Width, g.Height);
  PaintItem(model_, model_->GetSkinIndex(g.Section), ci, g.State, {0, 0, g.Width, g.Height}, {}, bmp);

  int differing = 0;
  for (int y = 0; y < g.Height; ++y)
    for (int x = 0; x < g.Width; ++x)
      if (bmp.Row(y)[x] != expected->Bitmap.Row(y)[x] && ++differing <= 3)
        ADD_FAILURE() << g.File << " (" << x << "," << y << "): painted " << std::hex << bmp.Row(y)[x]
                      << ", expected " << expected->Bitmap.Row(y)[x];
  EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(
    InternalSkin, Golden,
    ::testing::Values(TGolden{"BUTTON", 1, 75, 25, sFuchsia, "button_1_75x25.png"},
                      TGolden{"BUTTON_HUGE", 2, 120, 40, sFuchsia, "button_huge_2_120x40.png"},
                      TGolden{"FORM", 0, 305, 222, sFuchsia, "form_0_305x222.png"},
                      TGolden{"EDIT", 1, 100, 24, sFuchsia, "edit_1_100x24.png"},
                      TGolden{"MENUITEM", 1, 120, 22, sFuchsia, "menuitem_1_120x22.png"},
                      TGolden{"BARTITLE", 0, 100, 30, sFuchsia, "bartitle_0_100x30.png"},
                      TGolden{"SCROLLSLIDERH", 2, 60, 16, sFuchsia, "scrollsliderh_2_60x16.png"},
                      TGolden{"COMBOBTN", 0, 40, 24, 0x0080FF, "combobtn_0_40x24.png"}),
    [](const ::testing::TestParamInfo<TGolden>& info) {
      std::string name = info.param.File;
      name = name.substr(0, name.find('.'));
      for (char& c : name)
        if (c == '_') c = 'X';
      return name;
    });

}  // namespace
