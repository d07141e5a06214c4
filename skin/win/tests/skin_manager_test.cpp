#include "skin/win/skin_manager.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/data/skin_folder.h"
#include "skin/data/utf8_paths.h"
#include "skin/win/tests/skinned_test_controls.h"
#include "skins/internal_skin.h"
#include "tests/support/leak_probe.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

constexpr char kInternalName[] = "Lanque";

class SkinManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application = &App;
    Dir = Scratch.Path();
    Form = App.CreateForm<TForm>();
  }
  void TearDown() override {
    delete Form;
    Application = nullptr;
  }
  // A manager as a stored layout makes it: internal skin, directory, name.
  // Its messages are gathered in Messages, unless it shows them in real message boxes.
  TsSkinManager* MakeManager(const std::string& name, bool RealMessages = false) {
    auto* manager = new TsSkinManager(Form);
    if (!RealMessages)
      manager->ShowMessage = [this](const std::string& text, const std::string&, unsigned) { Messages.push_back(text); };
    manager->BeginLoading();
    const auto package = InternalSkinPackage();
    manager->InternalSkins.Add({kInternalName, {package.begin(), package.end()}});
    manager->SetSkinDirectory(Dir.string());
    manager->SetSkinName(name);
    manager->Loaded();
    return manager;
  }
  TApplication App;
  TScratchDir Scratch;
  fs::path Dir;
  TForm* Form = nullptr;
  std::vector<std::string> Messages;
};

TEST_F(SkinManagerTest, ConstructionGivesThePublishedDefaults) {
  TsSkinManager first(nullptr);
  TsSkinManager second(nullptr);
  EXPECT_TRUE(first.GetIsDefault());
  EXPECT_FALSE(second.GetIsDefault());
  EXPECT_EQ(DefaultManager(), &first);
  EXPECT_TRUE(first.GetActive());
  EXPECT_EQ(first.GetSkinDirectory(), "c:\\Skins");
  EXPECT_EQ(first.GetSkinInfo(), "N/A");
  EXPECT_EQ(TsSkinManager::GetVersion(), "9.02");
  EXPECT_EQ(first.MenuSupport.IcoLineSkin, "ICOLINE");
  EXPECT_EQ(first.AnimEffects.SkinChanging.Time, 100);
  EXPECT_EQ(first.AnimEffects.Minimizing.Time, 120);
  EXPECT_EQ(first.SkinningRules, srStdForms | srStdDialogs | srThirdParty);
  EXPECT_EQ(first.ThirdParty[tpButton], "TButton");
  EXPECT_EQ(first.ThirdParty[tpEdit], " ");
  EXPECT_TRUE(first.IsThirdName(tpButton, L"TButton"));
  EXPECT_FALSE(first.IsThirdName(tpEdit, L"TButton"));
  EXPECT_EQ(first.GetScrollSize(), GetSystemMetrics(SM_CXVSCROLL));
  first.ScrollsOptions.ScrollSize = 1000;
  EXPECT_EQ(first.GetScrollSize(), 1000);
  EXPECT_EQ(first.GetComboBtnSize(), GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(SkinManagerTest, StartUpLoadsTheInternalSkinAndAnnouncesIt) {
  auto* panel = new TSkinnedPanel(Form, 51);
  panel->SetParent(Form);
  panel->SkinData.Loaded();  // no manager yet: the control is told it has no skin
  Form->GetHandle();
  panel->Commands.clear();
  TsSkinManager* manager = MakeManager(kInternalName);
  EXPECT_EQ(manager->GetSkinInfo(), "8.50");
  EXPECT_EQ(manager->GetSkinName(), kInternalName);
  EXPECT_EQ(panel->Count(acmNewSkin), 1);
  EXPECT_GE(panel->SkinData.SkinIndex, 0);
  EXPECT_EQ(panel->SkinData.GetSkinSection(), "PANEL");
  EXPECT_TRUE(Messages.empty());

  delete manager;  // removing the skin reaches the controls
  EXPECT_EQ(panel->Count(acmRemoveSkin), 1);
  EXPECT_FALSE(panel->SkinData.Skinned());
}

TEST_F(SkinManagerTest, SkinNamesDropTheSuffixAndFallBackToTheFirstInternalSkin) {
  TsSkinManager* manager = MakeManager("Lanque.AsZ");
  EXPECT_EQ(manager->GetSkinName(), kInternalName);
  EXPECT_EQ(manager->GetSkinInfo(), "8.50");
  manager->SetSkinName("Nowhere");
  EXPECT_EQ(manager->GetSkinName(), kInternalName);
  EXPECT_TRUE(manager->GetActive());
  EXPECT_TRUE(manager->Model.Loaded());
}

TEST_F(SkinManagerTest, AnExternalSkinOfTheSameNameWins) {
  WriteTestSkin(Dir / kInternalName, "[ONLYEXTERNAL]\nCOLOR=1\n");
  TsSkinManager* manager = MakeManager(kInternalName);
  EXPECT_GE(manager->Model.GetSkinIndex("ONLYEXTERNAL"), 0);
  EXPECT_EQ(manager->GetSkinInfo(), "8.10");
  std::vector<std::string> names;
  EXPECT_EQ(manager->GetSkinNames(names), kInternalName);
  EXPECT_EQ(names, (std::vector<std::string>{kInternalName, kInternalName}));
  EXPECT_EQ(manager->GetExternalSkinNames(names), kInternalName);
  EXPECT_EQ(names.size(), 1u);
}

TEST_F(SkinManagerTest, WithoutAnySkinTheManagerTurnsInactive) {
  auto* manager = new TsSkinManager(Form);
  manager->SetSkinDirectory(Dir.string());
  int deactivations = 0;
  manager->SetSkinName("Nowhere");
  EXPECT_FALSE(manager->GetActive());
  EXPECT_EQ(manager->GetSkinInfo(), "N/A");
  manager->OnDeactivate = [&](TComponent*) { ++deactivations; };
  manager->SetActive(false);
  EXPECT_EQ(deactivations, 0);  // already inactive
}

TEST_F(SkinManagerTest, BrightnessIsClampedAndReloadsTheSkin) {
  TsSkinManager* manager = MakeManager(kInternalName);
  const TColor before = manager->Model.GetGlobalColor();
  int changes = 0;
  manager->OnAfterChange = [&](TComponent*) { ++changes; };
  manager->SetBrightness(150);
  EXPECT_EQ(manager->GetBrightness(), 100);
  EXPECT_EQ(changes, 1);
  EXPECT_NE(manager->Model.GetGlobalColor(), before);
  manager->SetBrightness(100);
  EXPECT_EQ(changes, 1);  // unchanged: no reload
  manager->SetBrightness(-300);
  EXPECT_EQ(manager->GetBrightness(), -100);
}

TEST_F(SkinManagerTest, PackagesWithoutOptionsAreReportedAndOldSkinsLoadQuietly) {
  WriteTestSkin(Dir / "Old");
  std::ofstream(Dir / "Old" / "Options.dat", std::ios::app) << "";
  TsSkinManager* manager = MakeManager(kInternalName);
  manager->SetSkinName("Old");
  EXPECT_EQ(manager->GetSkinName(), "Old");
  EXPECT_TRUE(Messages.empty());  // the old-version note needs "/actest"
}

TEST_F(SkinManagerTest, ExtractsAnInternalSkinAsAPackedFile) {
  TsSkinManager* manager = MakeManager(kInternalName);
  EXPECT_TRUE(manager->ExtractInternalSkin(kInternalName, Dir.string()));
  EXPECT_TRUE(fs::exists(Dir / "Lanque extracted.asz"));
  EXPECT_FALSE(manager->ExtractByIndex(5, Dir.string()));
  manager->SetSkinName("Lanque extracted.asz");
  EXPECT_EQ(manager->GetSkinName(), "Lanque extracted");
  EXPECT_TRUE(manager->IsPackedSkin());
  EXPECT_EQ(manager->GetSkinInfo(), "8.50");
}

TEST_F(SkinManagerTest, SkinsNamedOutsideAsciiLoadListAndSaveAnywhere) {
  // A Chinese name (the Chinese code page has it), a Thai one (no Chinese code
  // page has it), in a folder named in Chinese and in one deeper than 260 characters.
  const std::string chinese = "蓝色皮肤", thai = "ธีมสีฟ้า";
  fs::path deep = Dir / PathFromUtf8("深层目录");
  while (deep.native().size() <= 300) deep /= std::string(40, 'd');
  TsSkinManager* manager = MakeManager(kInternalName);
  for (const fs::path& folder : {Dir / PathFromUtf8("皮肤目录"), deep}) {
    SCOPED_TRACE(folder.native().size());
    WriteTestSkin(folder / PathFromUtf8(chinese), "[CHINESE]\nCOLOR=1\n");
    WriteTestSkin(folder / PathFromUtf8(thai), "[THAI]\nCOLOR=1\n");
    manager->SetSkinDirectory(Utf8OfPath(folder));
    std::vector<std::string> names;
    manager->GetExternalSkinNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{thai, chinese}));  // in byte order

    for (const auto& [name, section] : {std::pair{chinese, "CHINESE"}, std::pair{thai, "THAI"}}) {
      manager->SetSkinName(name);
      EXPECT_EQ(manager->GetSkinName(), name);
      EXPECT_GE(manager->Model.GetSkinIndex(section), 0) << section;
    }
    const fs::path saved = folder / PathFromUtf8(thai) / PathFromUtf8(chinese);
    EXPECT_TRUE(manager->ExtractInternalSkin(kInternalName, Utf8OfPath(saved)));
    EXPECT_TRUE(fs::is_regular_file(saved / "Lanque extracted.asz"));
    manager->SetSkinDirectory(Utf8OfPath(saved));
    manager->SetSkinName("Lanque extracted");
    EXPECT_TRUE(manager->IsPackedSkin());
    EXPECT_EQ(manager->GetSkinInfo(), "8.50");
  }
  EXPECT_TRUE(Messages.empty());
}

// The text of the message box of this thread, read once it is up, and the box closed.
std::wstring gShownText;

void CALLBACK ReadAndCloseBox(HWND, UINT, UINT_PTR Id, DWORD) {
  HWND box = FindWindowW(L"#32770", nullptr);
  if (!box || GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) return;
  KillTimer(nullptr, Id);
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    gShownText += text;
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The manager's own message box (not the tests' stand-in) names a skin the
// code page cannot hold (Thai under the Chinese code page) as it is.
TEST_F(SkinManagerTest, ItsMessageBoxesShowSkinNamesOutsideTheCodePage) {
  const std::string thai = "ธีมเสีย";
  fs::create_directories(Dir / "images");
  std::ofstream(Dir / "images" / "Glyph.bmp", std::ios::binary) << "BM";
  ASSERT_TRUE(PackDir(Dir / "images", Dir / PathFromUtf8(thai + ".asz")));
  TsSkinManager* manager = MakeManager(kInternalName, true);
  gShownText.clear();
  SetTimer(nullptr, 0, 10, ReadAndCloseBox);
  manager->SetSkinName(thai);  // a packed skin without options: its name in the box
  EXPECT_NE(gShownText.find(PathFromUtf8(thai).wstring()), std::wstring::npos) << Utf8OfPath(gShownText);
}

TEST_F(SkinManagerTest, DeactivatingRemovesTheSkinAndActivatingBringsItBack) {
  auto* panel = new TSkinnedPanel(Form, 51);
  panel->SetParent(Form);
  panel->SkinData.Loaded();
  Form->GetHandle();
  TsSkinManager* manager = MakeManager(kInternalName);
  int deactivations = 0;
  manager->OnDeactivate = [&](TComponent*) { ++deactivations; };
  panel->Commands.clear();
  manager->SetActive(false);
  EXPECT_EQ(deactivations, 1);
  EXPECT_EQ(panel->Count(acmRemoveSkin), 1);
  EXPECT_EQ(manager->GetSkinInfo(), "N/A");
  EXPECT_TRUE(manager->Model.gd.empty());
  manager->SetActive(true);
  EXPECT_EQ(panel->Count(acmNewSkin), 1);
  EXPECT_EQ(panel->Count(acmRefresh), 1);  // the repaint after a new skin
  EXPECT_TRUE(panel->SkinData.Skinned());
}

TEST_F(SkinManagerTest, CommonSectionsLoseTheirBlanksAndReloadTheSkin) {
  TsSkinManager* manager = MakeManager(kInternalName);
  manager->SetCommonSections({"[MYSECTION]", "COLOR = 12345", "; a note keeps its blanks"});
  EXPECT_EQ(manager->GetCommonSections()[1], "COLOR=12345");
  EXPECT_EQ(manager->GetCommonSections()[2], "; a note keeps its blanks");
  const int index = manager->Model.GetSkinIndex("MYSECTION");
  ASSERT_GE(index, 0);
  EXPECT_EQ(manager->Model.gd[static_cast<std::size_t>(index)].Props[0].Color, 12345u);
}

TEST_F(SkinManagerTest, AnnouncementsWaitUntilTheLayoutIsRead) {
  auto* panel = new TSkinnedPanel(Form, 51);
  panel->SetParent(Form);
  panel->SkinData.Loaded();
  Form->GetHandle();
  panel->Commands.clear();
  auto* manager = new TsSkinManager(Form);
  manager->BeginLoading();
  const auto package = InternalSkinPackage();
  manager->InternalSkins.Add({kInternalName, {package.begin(), package.end()}});
  manager->SetSkinName(kInternalName);
  EXPECT_TRUE(manager->Model.Loaded());
  EXPECT_EQ(panel->Count(acmNewSkin), 0);
  manager->Loaded();
  EXPECT_EQ(panel->Count(acmNewSkin), 1);
}

TEST_F(SkinManagerTest, TheApplicationWindowHookInvalidatesEveryForm) {
  auto* panel = new TSkinnedPanel(Form, 51);
  panel->SetParent(Form);
  TsSkinManager* manager = MakeManager(kInternalName);
  Form->GetHandle();
  TMessage invalidate{CM_INVALIDATEFORMS, 0, 0, 0};
  EXPECT_FALSE(manager->MainWindowHook(invalidate));
  TMessage theme{WM_THEMECHANGED, 0, 0, 0};
  EXPECT_TRUE(manager->MainWindowHook(theme));
  EXPECT_TRUE(App.CallMainWindowHooks(theme));  // the default manager hooked the application
}

TEST_F(SkinManagerTest, ChangesAnImageOnlyWithASkinLoaded) {
  TsSkinManager* manager = MakeManager(kInternalName);
  const fs::path picture = Dir / "Pic.bmp";
  // A 1 x 1 24-bit bitmap file.
  const unsigned char bmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                               1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                               10, 20, 30, 0};
  std::ofstream(picture, std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof bmp);
  EXPECT_TRUE(manager->ChangeImageInSkin("Button", "NewGlyph", picture.string()));
  EXPECT_GE(manager->Model.GetMaskIndex("BUTTON", "NEWGLYPH"), 0);
  manager->SetActive(false);
  EXPECT_FALSE(manager->ChangeImageInSkin("Button", "Other", picture.string()));
}

TEST_F(SkinManagerTest, SwitchingSkinsAThousandTimesLeaksNothing) {
  WriteTestSkin(Dir / "Test");
  auto* panel = new TSkinnedPanel(Form, 51);
  panel->SetParent(Form);
  panel->SkinData.Loaded();
  Form->Show();
  TsSkinManager* manager = MakeManager(kInternalName);
  auto switchTwice = [&] {
    manager->SetSkinName("Test");
    SendAMessage(panel, acmPrepareCache);
    manager->SetSkinName(kInternalName);
    SendAMessage(panel, acmPrepareCache);
  };
  for (int i = 0; i < 20; ++i) switchTwice();  // warm up allocators and caches
  const TLeakProbe before = TLeakProbe::Take();
  for (int i = 0; i < 500; ++i) switchTwice();
  // Every skin picture is a DIB section whose pixels are private memory: one
  // leaked load per switch would far exceed the memory slack.
  ASSERT_GT(before.Committed, 0);
  EXPECT_EQ(TLeakProbe::Take().DriftSince(before), "");
  EXPECT_EQ(panel->Count(acmNewSkin), 1 + 40 + 1000);
}

}  // namespace
