#include "skin/win/common_data.h"

#include <gtest/gtest.h>

#include "framework/application.h"
#include "skin/data/binding/control_kinds.h"
#include "skin/win/skin_manager.h"
#include "skin/win/tests/skinned_test_controls.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

class CommonDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application = &App;
    Dir = Scratch.Path();
    WriteTestSkin(Dir / "Test");
    Form = App.CreateForm<TForm>();
    Form->SetBounds(10, 10, 300, 200);
    Manager = new TsSkinManager(Form);
    Manager->SetSkinDirectory(Dir.string());
    Manager->SetSkinName("Test");
    ASSERT_TRUE(Manager->Model.Loaded());
  }
  void TearDown() override {
    delete Form;
    Application = nullptr;
  }
  // A loaded skinned control on a parent.
  template <typename T>
  T* Add(T* control, TWinControl* parent, const std::string& section, RECT bounds = {0, 0, 40, 20}) {
    control->SetParent(parent);
    control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->SkinData.SetSkinSection(section);
    control->SkinData.Loaded();
    return control;
  }
  static bool HasUpdate(TWinControl* control) { return GetUpdateRect(control->GetHandle(), nullptr, FALSE); }

  TApplication App;
  TScratchDir Scratch;
  fs::path Dir;
  TForm* Form = nullptr;
  TsSkinManager* Manager = nullptr;
};

TEST_F(CommonDataTest, SectionsAreStoredUpperCasedAndEmptyOnesTakeTheKindsDefault) {
  auto* button = Add(new TSkinnedPanel(Form, 300), Form, "Button");
  EXPECT_EQ(button->SkinData.GetSkinSection(), "BUTTON");
  EXPECT_EQ(button->SkinData.SkinIndex, Manager->Model.GetSkinIndex("BUTTON"));
  EXPECT_TRUE(button->SkinData.Skinned());

  auto* edit = new TSkinnedEdit(Form, ckEdit);
  edit->SetParent(Form);
  edit->SkinData.Loaded();
  EXPECT_EQ(edit->SkinData.GetSkinSection(), "EDIT");
  EXPECT_GE(edit->SkinData.SkinIndex, 0);
  EXPECT_EQ(edit->GetFont().GetColor(), 128u);  // the section's text colour on an edit-like control

  auto* unknown = Add(new TSkinnedPanel(Form, 300), Form, "NoSuchSection");
  EXPECT_EQ(unknown->SkinData.SkinIndex, -1);
  EXPECT_FALSE(unknown->SkinData.Skinned());
}

TEST_F(CommonDataTest, SettingTheSameSectionAgainSendsNothing) {
  Form->GetHandle();
  auto* button = Add(new TSkinnedPanel(Form, 300), Form, "BUTTON");
  button->Commands.clear();
  button->SkinData.SetSkinSection("button");
  EXPECT_TRUE(button->Commands.empty());
  button->SkinData.SetSkinSection("PANEL");
  EXPECT_EQ(button->Count(acmRefresh), 1);
  button->SkinData.SetSkinSection("Missing");
  EXPECT_EQ(button->Count(acmRemoveSkin), 1);
}

TEST_F(CommonDataTest, NewSkinFromAnotherManagerChangesNothing) {
  Form->GetHandle();
  auto* panel = Add(new TSkinnedPanel(Form, 300), Form, "PANEL");
  panel->SkinData.InitCacheBmp();
  panel->SkinData.SkinIndex = 12345;  // a stale index the right manager would refresh
  TsSkinManager other(nullptr);
  SendAMessage(panel, acmNewSkin, reinterpret_cast<LPARAM>(&other));
  EXPECT_EQ(panel->SkinData.SkinIndex, 12345);
  EXPECT_EQ(panel->SkinData.CacheBitmap->Width(), 40);

  SendAMessage(panel, acmNewSkin, reinterpret_cast<LPARAM>(Manager));
  EXPECT_EQ(panel->SkinData.SkinIndex, Manager->Model.GetSkinIndex("PANEL"));
  EXPECT_TRUE(panel->SkinData.CacheBitmap->Empty());

  SendAMessage(panel, acmRemoveSkin, reinterpret_cast<LPARAM>(&other));
  EXPECT_TRUE(panel->SkinData.Skinned());
  SendAMessage(panel, acmRemoveSkin, reinterpret_cast<LPARAM>(Manager));
  EXPECT_FALSE(panel->SkinData.Skinned());
  EXPECT_TRUE(panel->SkinData.CacheBitmap->Empty());
}

TEST_F(CommonDataTest, UpdateSectionInvalidatesOnlyControlsOfThatSection) {
  auto* upper = Add(new TSkinnedPanel(Form, 300), Form, "BUTTON", {0, 0, 40, 20});
  auto* mixed = Add(new TSkinnedPanel(Form, 300), Form, "Button", {50, 0, 90, 20});
  auto* panel = Add(new TSkinnedPanel(Form, 300), Form, "PANEL", {100, 0, 140, 20});
  Form->Show();
  for (TWinControl* c : {static_cast<TWinControl*>(Form), static_cast<TWinControl*>(upper),
                         static_cast<TWinControl*>(mixed), static_cast<TWinControl*>(panel)})
    ValidateRect(c->GetHandle(), nullptr);
  upper->SkinData.Loading = mixed->SkinData.Loading = panel->SkinData.Loading = false;
  Manager->UpdateSkinSection("button");
  EXPECT_TRUE(HasUpdate(upper));
  EXPECT_TRUE(HasUpdate(mixed));
  EXPECT_FALSE(HasUpdate(panel));
}

TEST_F(CommonDataTest, BackgroundColourFollowsTransparency) {
  auto* panel = Add(new TSkinnedPanel(Form, 300), Form, "PANEL", {0, 0, 200, 100});
  auto* button = Add(new TSkinnedPanel(Form, 300), panel, "BUTTON", {10, 10, 50, 30});
  auto* glass = Add(new TSkinnedPanel(Form, 300), panel, "GLASS", {60, 10, 100, 30});
  auto* plainParent = new TWinControl(Form);
  plainParent->SetParent(Form);
  plainParent->SetColor(0x123456);
  auto* glassOnPlain = Add(new TSkinnedPanel(Form, 300), plainParent, "GLASS");
  Form->GetHandle();
  EXPECT_EQ(SendAMessage(button, acmGetBgColor, sFuchsia), 255);            // its own section colour
  EXPECT_EQ(SendAMessage(glass, acmGetBgColor, sFuchsia), 65280);           // the panel's answer
  EXPECT_EQ(SendAMessage(glassOnPlain, acmGetBgColor, sFuchsia), 0x123456);  // an unskinned parent's colour
  button->SkinData.CustomColor = true;
  button->SetColor(0x010203);
  EXPECT_EQ(SendAMessage(button, acmGetBgColor, sFuchsia), 0x010203);
}

TEST_F(CommonDataTest, TransparentChildAnswersThePanelsCacheAtItsPlace) {
  auto* panel = Add(new TSkinnedPanel(Form, 51), Form, "PANEL", {0, 0, 200, 100});
  auto* glass = Add(new TSkinnedPanel(Form, 300, false), panel, "GLASS", {30, 40, 70, 60});
  Form->GetHandle();
  TacBGInfo info;
  SendAMessage(glass, acmGetBgInfo, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.BgType, btCache);
  EXPECT_EQ(info.Bitmap, panel->SkinData.CacheBitmap.get());
  EXPECT_EQ(info.Offset.X, 30);
  EXPECT_EQ(info.Offset.Y, 40);
  EXPECT_EQ(panel->Count(acmPrepareCache), 1);  // the panel built its cache on demand
  EXPECT_FALSE(panel->SkinData.BackgroundChanged);

  const TCacheInfo ci = glass->SkinData.GetParentCache();
  EXPECT_TRUE(ci.Ready);
  EXPECT_EQ(ci.Bitmap, panel->SkinData.CacheBitmap.get());
  EXPECT_EQ(ci.X, 30);  // where the control lies in the panel's picture
  EXPECT_EQ(ci.Y, 40);

  SendAMessage(glass, acmGetBgInfo, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(panel->Count(acmPrepareCache), 1);  // a fresh cache is not rebuilt
}

TEST_F(CommonDataTest, EndUpdateClearsTheMarkAtOnceButCountsNesting) {
  auto* panel = Add(new TSkinnedPanel(Form, 51), Form, "PANEL");
  Form->GetHandle();
  panel->SkinData.BeginUpdate();
  panel->SkinData.BeginUpdate();
  EXPECT_EQ(panel->SkinData.UpdateCount, 2);
  EXPECT_TRUE(panel->SkinData.UpdatingMark);
  EXPECT_EQ(panel->Count(acmBeginUpdate), 2);
  panel->SkinData.EndUpdate();
  EXPECT_FALSE(panel->SkinData.UpdatingMark);
  EXPECT_EQ(panel->SkinData.UpdateCount, 1);
  EXPECT_TRUE(panel->SkinData.SkinState & ssUpdating);
  panel->SkinData.EndUpdate();
  EXPECT_FALSE(panel->SkinData.SkinState & ssUpdating);
  EXPECT_EQ(panel->Count(acmEndUpdate), 2);
}

TEST_F(CommonDataTest, ChildrenAskTheirParentWhetherItIsUpdating) {
  auto* panel = Add(new TSkinnedPanel(Form, 51), Form, "PANEL", {0, 0, 100, 100});
  auto* child = Add(new TSkinnedPanel(Form, 300), panel, "BUTTON");
  Form->GetHandle();
  EXPECT_FALSE(child->SkinData.GetUpdating());
  SendAMessage(panel, acmSetUpdating, 0, 1);
  EXPECT_TRUE(child->SkinData.GetUpdating());
  EXPECT_TRUE(child->SkinData.InUpdating(true));
  EXPECT_TRUE(child->SkinData.UpdatingMark);
  SendAMessage(panel, acmSetUpdating, 0, 0);
  EXPECT_FALSE(child->SkinData.InUpdating(true));
}

TEST_F(CommonDataTest, QueriesAnswerIndexesMarksAndBounds) {
  auto* button = Add(new TSkinnedPanel(Form, 300), Form, "BUTTON", {5, 6, 45, 26});
  Form->GetHandle();
  int index = -7;
  SendAMessage(button, acmGetSkinIndex, reinterpret_cast<LPARAM>(&index));
  EXPECT_EQ(index, button->SkinData.SkinIndex);
  RECT bounds{};
  SendAMessage(button, acmGetBounds, reinterpret_cast<LPARAM>(&bounds));
  EXPECT_EQ(bounds.left, 5);
  EXPECT_EQ(bounds.bottom, 26);
  TacSectionInfo info;
  info.Name = "panel";
  EXPECT_EQ(SendAMessage(button, acmSetSection, reinterpret_cast<LPARAM>(&info)), 1);
  EXPECT_EQ(button->SkinData.GetSkinSection(), "PANEL");
  EXPECT_EQ(SendAMessage(button, acmSetSection, 0), 0);
  EXPECT_EQ(SendAMessage(button, acmSetScrollOwner, 1234) , 0);
  EXPECT_TRUE(button->SkinData.SkinState & ssScrollOwner);
  SendAMessage(button, acmSetScrollOwner, 0);
  EXPECT_FALSE(button->SkinData.SkinState & ssScrollOwner);
}

TEST_F(CommonDataTest, HoverMarksTheControlAndMakesItTheManagersActiveOne) {
  auto* edit = Add(new TSkinnedEdit(Form, ckEdit), Form, "EDIT");
  auto* bar = Add(new TSkinnedPanel(Form, 19), Form, "PANEL", {50, 0, 90, 20});  // the mouse does not make bars hot
  Form->GetHandle();
  SendMessageW(edit->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(edit->SkinData.MouseAbove);
  EXPECT_TRUE(edit->SkinData.ControlIsActive());
  EXPECT_EQ(Manager->GetActiveControl(), edit->GetHandle());
  EXPECT_EQ(edit->Count(acmEnterHot), 1);

  SendMessageW(bar->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_FALSE(bar->SkinData.MouseAbove);
  EXPECT_EQ(edit->Count(acmLeaveHot), 1);  // the previous active control is told

  SendMessageW(bar->GetHandle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Manager->GetActiveControl(), nullptr);
  SendMessageW(edit->GetHandle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(edit->SkinData.MouseAbove);
}

TEST_F(CommonDataTest, MovesAndSizesOfTransparentControlsMarkTheirBackground) {
  auto* panel = Add(new TSkinnedPanel(Form, 51), Form, "PANEL", {0, 0, 200, 100});
  auto* glass = Add(new TSkinnedPanel(Form, 300), panel, "GLASS", {10, 10, 50, 30});
  auto* button = Add(new TSkinnedPanel(Form, 300), panel, "BUTTON", {60, 10, 100, 30});
  Form->GetHandle();
  SendAMessage(glass, acmPrepareCache);
  SendAMessage(button, acmPrepareCache);
  glass->SetBounds(20, 10, 40, 20);
  button->SetBounds(70, 10, 40, 20);
  EXPECT_TRUE(glass->SkinData.BackgroundChanged);   // it shows its parent: a move changes it
  EXPECT_FALSE(button->SkinData.BackgroundChanged);  // opaque: its picture stays
  EXPECT_GE(glass->Count(acmRepaintIfMoved), 1);
  button->SetBounds(70, 10, 50, 20);
  EXPECT_TRUE(button->SkinData.BackgroundChanged);  // a new size always does
}

TEST_F(CommonDataTest, SkinDataOutlivesNothingItPointsTo) {
  // A hovered control whose window goes leaves no handle in the manager.
  auto* edit = Add(new TSkinnedEdit(Form, ckEdit), Form, "EDIT");
  Form->GetHandle();
  SendMessageW(edit->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  ASSERT_EQ(Manager->GetActiveControl(), edit->GetHandle());
  delete edit;
  EXPECT_EQ(Manager->GetActiveControl(), nullptr);

  // A released parent cache stays a (now empty) bitmap its children may still hold.
  auto* panel = Add(new TSkinnedPanel(Form, 300), Form, "PANEL", {0, 0, 80, 60});
  SendAMessage(panel, acmPrepareCache);
  const TBitmap32* held = panel->SkinData.CacheBitmap.get();
  ASSERT_FALSE(held->Empty());
  panel->SkinData.ReleaseCache();
  EXPECT_EQ(panel->SkinData.CacheBitmap.get(), held);
  EXPECT_TRUE(held->Empty());
  EXPECT_TRUE(panel->SkinData.CacheIsStale());

  // A provider's cache is the whole window's size, and a resize makes it stale.
  TsCommonData provider(Form, true);
  provider.ProviderForm = Form;
  provider.InitCacheBmp();
  RECT window;
  GetWindowRect(Form->GetHandle(), &window);
  EXPECT_EQ(provider.CacheBitmap->Width(), window.right - window.left);
  EXPECT_EQ(provider.CacheBitmap->Height(), window.bottom - window.top);
  provider.BackgroundChanged = false;
  EXPECT_FALSE(provider.CacheIsStale());
  Form->SetBounds(10, 10, 340, 200);
  EXPECT_TRUE(provider.CacheIsStale());

  // An adapter's data repaints the adapted window.
  TsCommonData adapter(nullptr, true);
  adapter.AdaptedWindow = panel->GetHandle();
  adapter.Loading = false;
  Form->Show();
  UpdateWindow(Form->GetHandle());
  adapter.Invalidate();
  EXPECT_TRUE(HasUpdate(panel));

  // A control bound to a manager that is freed goes back to the default one.
  auto* second = new TsSkinManager(Form);
  auto* bound = Add(new TSkinnedPanel(Form, 300), Form, "BUTTON");
  bound->SkinData.SetSkinManager(second);
  ASSERT_EQ(bound->SkinData.GetSkinManager(), second);
  delete second;
  EXPECT_EQ(bound->SkinData.GetSkinManager(), Manager);
}

}  // namespace
