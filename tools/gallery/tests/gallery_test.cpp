// The gallery's form in-process: long runs of removing and restoring the
// skin and of switching between our two skins leave nothing behind, and an
// edited options file of the chosen folder skin is applied by itself
// without touching what the controls hold.
#include "tools/gallery/gallery_form.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

#include "framework/application.h"
#include "skin/data/utf8_paths.h"
#include "tests/support/leak_probe.h"
#include "tests/support/message_pump.h"
#include "tests/support/scratch_dir.h"

namespace {

class GalleryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App.Initialize();
    Form = App.CreateForm<TGalleryForm>();
    Form->SetBounds(40, 40, Form->GetWidth(), Form->GetHeight());
    Form->Show();
    UpdateWindow(Form->GetHandle());
  }
  void Paint() { RedrawWindow(Form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

  TApplication App;
  TGalleryForm* Form = nullptr;
};

// Long runs: a thousand cycles each with scripts/test --long, a short run
// otherwise (a cycle re-announces the skin to every control of the gallery).
// The whole gallery is painted after every tenth cycle, so that what painting
// makes is counted too.
constexpr int kFullCycles = 1000;
constexpr int kPaintEvery = 10;

// A few painted cycles first settle the caches.
std::string DriftOfLongRun(const std::function<void(bool Paint)>& Cycle) {
  for (int i = 0; i < 5; ++i) Cycle(true);
  return LeakLoopDrift(LeakLoopCycles(50, kFullCycles), kFullCycles,
                       [&](int i) { Cycle(i % kPaintEvery == kPaintEvery - 1); }, 0);
}

TEST_F(GalleryTest, RemovingAndRestoringTheSkinLeavesNothingBehind) {
  // The switch, clicked, removes the skin and brings it back.
  SendMessageW(Form->SkinnedSwitch->GetHandle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(Form->SkinManager->GetActive());
  EXPECT_FALSE(Form->SkinManager->SkinLoaded());
  SendMessageW(Form->SkinnedSwitch->GetHandle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(Form->SkinManager->GetActive());

  const std::string drift = DriftOfLongRun([&](bool paint) {
    Form->SetSkinned(false);
    if (paint) Paint();
    Form->SetSkinned(true);
    if (paint) Paint();
  });
  EXPECT_EQ(drift, "");
  EXPECT_TRUE(Form->SkinManager->GetActive());
  EXPECT_TRUE(Form->SkinnedSwitch->GetChecked());
}

TEST_F(GalleryTest, SwitchingBetweenTheTwoSkinsLeavesNothingBehind) {
  Form->SetSkinDirectory(PathFromUtf8(LANQUE_SKINS_DIR).wstring());
  ASSERT_NE(std::find(Form->SkinNames().begin(), Form->SkinNames().end(), "dark"), Form->SkinNames().end());
  Form->ChooseSkin("dark");
  const TColor dark = Form->SkinManager->Model.GetGlobalColor();
  Form->ChooseSkin(kGalleryInternalSkin);
  EXPECT_NE(Form->SkinManager->Model.GetGlobalColor(), dark);  // two skins, not one twice

  // Each choice also stops one folder watch and starts another.
  const std::string drift = DriftOfLongRun([&](bool paint) {
    Form->ChooseSkin("dark");
    if (paint) Paint();
    Form->ChooseSkin(kGalleryInternalSkin);
    if (paint) Paint();
  });
  EXPECT_EQ(drift, "");
}

TEST_F(GalleryTest, AnEditedOptionsFileIsAppliedWithinASecondAndTheControlsKeepWhatTheyHold) {
  TScratchDir scratch("lanque-gallery");
  std::filesystem::copy(PathFromUtf8(LANQUE_SKINS_DIR) / "dark", scratch.Path() / "dark");
  Form->SetSkinDirectory(scratch.Path().wstring());
  Form->ChooseSkin("dark");
  ASSERT_EQ(Form->SkinManager->GetSkinName(), "dark");

  // What a person did in the gallery before the skin's author saved.
  Form->CheckChecked->SetChecked(false);
  Form->CheckUnchecked->SetState(cbGrayed);
  Form->Edit->SetText(L"typed before the reload");
  Form->Memo->SetText(L"memo text");
  Form->ListBox->Send(LB_SETCURSEL, 5);

  // The author changes the skin's main colour.
  const auto options = scratch.Path() / "dark" / "Options.dat";
  std::stringstream text;
  text << std::ifstream(options, std::ios::binary).rdbuf();
  std::string edited = text.str();
  const size_t at = edited.find("\r\nCOLOR=");  // the first is the global one
  ASSERT_NE(at, std::string::npos);
  const size_t end = edited.find("\r\n", at + 2);
  constexpr TColor kEdited = 0x123456;
  edited.replace(at, end - at, "\r\nCOLOR=" + std::to_string(kEdited));
  ASSERT_NE(Form->SkinManager->Model.GetGlobalColor(), kEdited);
  std::ofstream(options, std::ios::binary | std::ios::trunc) << edited;

  EXPECT_TRUE(PumpUntil([&] { return Form->SkinManager->Model.GetGlobalColor() == kEdited; }, 1000));
  EXPECT_EQ(Form->Reloads(), 1);
  EXPECT_EQ(Form->SkinManager->GetSkinName(), "dark");
  EXPECT_EQ(Form->CheckChecked->GetState(), cbUnchecked);
  EXPECT_EQ(Form->CheckUnchecked->GetState(), cbGrayed);
  EXPECT_EQ(Form->CheckGrayed->GetState(), cbGrayed);
  EXPECT_EQ(Form->Edit->GetText(), L"typed before the reload");
  EXPECT_EQ(Form->Memo->GetText(), L"memo text");
  EXPECT_EQ(Form->ListBox->Send(LB_GETCURSEL), 5);
  EXPECT_TRUE(Form->SkinnedSwitch->GetChecked());
}

}  // namespace
