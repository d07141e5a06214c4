#include <gtest/gtest.h>

#include "skin/win/skin_manager.h"
#include "skins/internal_skin.h"

namespace {

class SkinManagerShadowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application = &App;
    Form = App.CreateForm<TForm>();
    Manager = new TsSkinManager(Form);
    Manager->ShowMessage = [](const std::string&, const std::string&, unsigned) {};
    Manager->BeginLoading();
    const auto package = InternalSkinPackage();
    Manager->InternalSkins.Add({"Lanque", {package.begin(), package.end()}});
    Manager->SetSkinName("Lanque");
    Manager->Loaded();
  }
  void TearDown() override {
    delete Form;
    Application = nullptr;
  }
  TApplication App;
  TForm* Form = nullptr;
  TsSkinManager* Manager = nullptr;
};

constexpr std::array<int, 4> kNone{0, 0, 0, 0};
constexpr std::array<int, 4> kBuiltIn{9, 9, 9, 9};

TEST_F(SkinManagerShadowsTest, ExtendedBordersAndActivityDecideTheShadows) {
  ASSERT_TRUE(Manager->SkinLoaded());
  EXPECT_EQ(Manager->Shadows.Margins, kNone);
  EXPECT_TRUE(Manager->Shadows.Active.Empty());

  Manager->SetExtendedBorders(true);  // the internal skin has no shadow image of its own
  EXPECT_EQ(Manager->Shadows.Margins, kBuiltIn);
  EXPECT_FALSE(Manager->Shadows.Active.Empty());
  EXPECT_FALSE(Manager->Shadows.Inactive.Empty());

  Manager->SetActive(false);
  EXPECT_EQ(Manager->Shadows.Margins, kNone);
  Manager->SetActive(true);
  EXPECT_EQ(Manager->Shadows.Margins, kBuiltIn);

  Manager->SetHueOffset(40);  // every reload rebuilds them
  EXPECT_EQ(Manager->Shadows.Margins, kBuiltIn);
  Manager->SetExtendedBorders(false);
  EXPECT_EQ(Manager->Shadows.Margins, kNone);
  EXPECT_TRUE(Manager->Shadows.Inactive.Empty());
}

}  // namespace
