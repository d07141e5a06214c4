#include "skin/win/skinable_menus.h"

#include <gtest/gtest.h>

#include "skin/paint/bitmap32_win.h"
#include "skin/win/skin_manager.h"
#include "tests/support/internal_skin_manager.h"
#include "tests/support/leak_probe.h"
#include "tests/support/menu_text.h"

namespace {

class SkinableMenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application = &App;
    Form = App.CreateForm<TForm>();
    Manager = NewInternalSkinManager(Form);
    Menu = new TPopupMenu(Form);
    Menu->SetName(L"PopupMenu1");
    for (const wchar_t* caption : {L"Exit", L"-", L"Cancel automatic login", L"About"}) {
      auto* item = new TMenuItem(Form);
      item->SetCaption(caption);
      Menu->GetItems().Add(item);
      Items.push_back(item);
    }
  }
  void TearDown() override {
    delete Form;
    Application = nullptr;
  }

  // The item types of the menu the framework builds for tracking.
  std::vector<UINT> BuiltTypes() {
    std::vector<TMenuItem*> commands;
    const TOwnedMenu menu = Menu->BuildHandle(commands);
    std::vector<UINT> types;
    for (int i = 0; i < GetMenuItemCount(menu.Get()); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_FTYPE | MIIM_DATA;
      GetMenuItemInfoW(menu.Get(), static_cast<UINT>(i), TRUE, &info);
      EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(Items[static_cast<size_t>(i)]));
      types.push_back(info.fType);
    }
    return types;
  }
  SIZE Measure(TMenuItem* item) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = reinterpret_cast<ULONG_PTR>(item);
    TMessage message{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), 0};
    EXPECT_TRUE(Menu->ItemMessage(message));
    return {static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
  }
  // The item drawn into a bitmap of its own through the owner's message.
  TBitmap32 Draw(TMenuItem* item, UINT state) {
    TBitmap32 bmp(150, 22);
    const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
    const TSelectObject selected(dc.Get(), BitmapHandle(bmp));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemState = state;
    draw.hDC = dc.Get();
    draw.rcItem = {0, 0, 150, 22};
    draw.itemData = reinterpret_cast<ULONG_PTR>(item);
    TMessage message{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), 0};
    EXPECT_TRUE(Menu->ItemMessage(message));
    GdiFlush();
    return bmp;
  }
  TColor SectionColor(const char* section, int state) {
    return Manager->Model.gd[static_cast<size_t>(Manager->Model.GetSkinIndex(section))].Props[state].Color;
  }
  static TsColor Pixel(TColor c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

  TApplication App;
  TForm* Form = nullptr;
  TsSkinManager* Manager = nullptr;
  TPopupMenu* Menu = nullptr;
  std::vector<TMenuItem*> Items;
};

TEST_F(SkinableMenusTest, HookedItemsAreOwnerDrawnAndMeasuredByTheSkinsMargins) {
  for (UINT type : BuiltTypes()) EXPECT_EQ(type & MFT_OWNERDRAW, 0u);
  Manager->SkinableMenus().HookPopupMenu(Menu, true);
  const std::vector<UINT> types = BuiltTypes();
  ASSERT_EQ(types.size(), 4u);
  for (UINT type : types) EXPECT_NE(type & MFT_OWNERDRAW, 0u);
  EXPECT_NE(types[1] & MFT_SEPARATOR, 0u);

  struct TCase {
    int Margin, Spacing;
  };
  for (const TCase c : {TCase{2, 8}, TCase{5, 8}, TCase{2, 0}}) {
    SCOPED_TRACE(c.Margin * 100 + c.Spacing);
    Manager->SkinableMenus().Margin = c.Margin;
    Manager->SkinableMenus().Spacing = c.Spacing;
    const SIZE text = MenuFontTextSize(L"Cancel automatic login", DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP);
    const SIZE item = Measure(Items[2]);
    EXPECT_EQ(item.cx, text.cx + 32 + 3 * c.Margin + c.Spacing);
    EXPECT_EQ(item.cy, std::max<LONG>(text.cy + 2, 16) + 2 * c.Margin);
    EXPECT_EQ(Measure(Items[1]).cy, 2);
  }
  // The extra line widens items of the first column.
  Manager->SkinableMenus().Margin = 2;
  Manager->SkinableMenus().Spacing = 8;
  const LONG plain = Measure(Items[0]).cx;
  Manager->MenuSupport.UseExtraLine = true;
  EXPECT_EQ(Measure(Items[0]).cx, plain + Manager->MenuSupport.ExtraLineWidth);
}

TEST_F(SkinableMenusTest, DrawnItemsTakeTheSkinsPixelsAndTheProgramsOwnDrawingAfter) {
  Manager->SkinableMenus().HookPopupMenu(Menu, true);
  int ownDrawings = 0;
  Items[0]->OnAdvancedDrawItem = [&](TMenuItem*, HDC, const RECT&, UINT) { ++ownDrawings; };
  const TBitmap32 normal = Draw(Items[0], 0);
  const TBitmap32 hot = Draw(Items[0], ODS_SELECTED);
  const TBitmap32 icon = Draw(Items[0], 0);
  EXPECT_EQ(ownDrawings, 3);
  EXPECT_EQ(normal.Row(11)[120] & 0xFFFFFF, Pixel(SectionColor("MAINMENU", 0)));
  EXPECT_EQ(hot.Row(11)[120] & 0xFFFFFF, Pixel(SectionColor("MENUITEM", 1)));
  // The icon column from the skin's ICOLINE section, left of the caption.
  EXPECT_EQ(icon.Row(11)[10] & 0xFFFFFF, Pixel(SectionColor("ICOLINE", 0)));
  // The caption is drawn (in the menu font) after the column.
  int inked = 0;
  for (int y = 0; y < 22; ++y)
    for (int x = 28; x < 60; ++x) inked += (normal.Row(y)[x] & 0xFFFFFF) != Pixel(SectionColor("MAINMENU", 0));
  EXPECT_GT(inked, 10);
  EXPECT_EQ(Manager->SkinableMenus().CachedPopups(), 1u);
}

TEST_F(SkinableMenusTest, RemovedSkinOrUnskinnedPopupsGiveMenusBackToTheSystem) {
  Manager->SkinableMenus().BeforePopup(*Menu);
  for (UINT type : BuiltTypes()) EXPECT_NE(type & MFT_OWNERDRAW, 0u);
  Draw(Items[0], 0);
  EXPECT_EQ(Manager->SkinableMenus().CachedPopups(), 1u);

  Manager->SkinnedPopups = false;
  Manager->SkinableMenus().BeforePopup(*Menu);
  for (UINT type : BuiltTypes()) EXPECT_EQ(type & MFT_OWNERDRAW, 0u);
  Manager->SkinnedPopups = true;
  Manager->SkinableMenus().BeforePopup(*Menu);

  Manager->SetActive(false);
  for (UINT type : BuiltTypes()) EXPECT_EQ(type & MFT_OWNERDRAW, 0u);
  EXPECT_EQ(Items[2]->GetSkinHooks(), nullptr);
  EXPECT_EQ(Menu->GetSkinHooks(), nullptr);
  EXPECT_EQ(Manager->SkinableMenus().CachedPopups(), 0u);
  // Without a skin the popup stays the system's.
  Manager->SkinableMenus().BeforePopup(*Menu);
  for (UINT type : BuiltTypes()) EXPECT_EQ(type & MFT_OWNERDRAW, 0u);
}

// While a popup is open: whether its window got the skin's region.
thread_local bool tRegionSeen = false;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND popup = FindWindowW(L"#32768", nullptr); popup && IsWindowVisible(popup)) {
    const TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    tRegionSeen = tRegionSeen || GetWindowRgn(popup, region.Get()) != ERROR;
  }
  EndMenu();
}

TEST_F(SkinableMenusTest, TrackedPopupsAreDrawnByTheSkinAndLeaveNothingBehind) {
  int drawn = 0;
  Items[0]->OnAdvancedDrawItem = [&](TMenuItem*, HDC, const RECT&, UINT) { ++drawn; };
  const auto popupOnce = [&] {
    const UINT_PTR timer = SetTimer(nullptr, 0, 40, CloseMenu);
    Menu->Popup(100, 100);
    KillTimer(nullptr, timer);
  };
  popupOnce();  // fonts and classes made once
  ASSERT_GT(drawn, 0) << "the system asked for the owner-drawn items";
  EXPECT_TRUE(tRegionSeen) << "the popup window was shaped by the border mask";
  EXPECT_EQ(Manager->SkinableMenus().CachedPopups(), 0u);
  const TLeakProbe before = TLeakProbe::Take();
  for (int i = 0; i < 30; ++i) popupOnce();
  EXPECT_EQ(TLeakProbe::Take().DriftSince(before), "");
  EXPECT_GT(drawn, 30);
}

}  // namespace
