// A skinned form's main menu: its bar's items measured from the skin's
// margins and the menu font, painted into the frame's band, drawn hot and
// open from MENUITEM when the system asks, their access keys answered,
// and the bar handed back to the system with the skin.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "framework/main_menu.h"
#include "skin/paint/bitmap32_win.h"
#include "skin/win/skinable_menus.h"
#include "tests/support/menu_text.h"
#include "tests/support/skinned_form.h"

namespace {

class MenuBarTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    Menu = new TMainMenu(Form);
    for (const wchar_t* caption : {L"&File", L"&Options", L"Help"}) {
      auto* top = new TMenuItem(Form);
      top->SetCaption(caption);
      Menu->GetItems().Add(top);
      auto* sub = new TMenuItem(Form);
      sub->SetCaption(L"Open");
      sub->OnClick = [this](TComponent*) { ++Clicks; };
      top->Add(sub);
    }
    // Given to a form already skinned: the next paint takes it over.
    Form->SetMenu(Menu);
    Provider->PrepareCache();
  }
  HMENU Bar() const { return GetMenu(Form->GetHandle()); }
  RECT ItemRect(int i) const {
    RECT r{};
    GetMenuItemRect(Form->GetHandle(), Bar(), static_cast<UINT>(i), &r);
    return r;
  }
  UINT ItemType(int i) const {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(Bar(), static_cast<UINT>(i), TRUE, &info);
    return info.fType;
  }

  TMainMenu* Menu = nullptr;
  int Clicks = 0;
};

TsColor Pixel(TColor c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

TEST_F(MenuBarTest, BarItemsAreMeasuredFromTheSkinsMarginsAndTheMenuFont) {
  TsSkinableMenus& menus = Manager->SkinableMenus();
  ASSERT_NE(Bar(), nullptr);
  for (int i = 0; i < 3; ++i) EXPECT_NE(ItemType(i) & MFT_OWNERDRAW, 0u) << i;
  struct {
    int Margin, Spacing;
  } const rows[] = {{2, 8}, {4, 3}, {1, 14}};
  int systemExtra = -1;  // what the system adds to every owner-drawn item of a bar
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Spacing);
    menus.Margin = row.Margin;
    menus.Spacing = row.Spacing;
    menus.InitMenuLine(Menu, true);  // measured again
    int left = ItemRect(0).left;
    for (int i = 0; i < 3; ++i) {
      TMenuItem* item = Menu->GetItems().GetItem(i);
      const SIZE text = MenuFontTextSize(item->GetCaption(), DT_SINGLELINE);
      MEASUREITEMSTRUCT measure{};
      measure.CtlType = ODT_MENU;
      measure.itemData = reinterpret_cast<ULONG_PTR>(item);
      SendMessageW(Form->GetHandle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
      EXPECT_EQ(static_cast<int>(measure.itemWidth), text.cx + 2 * row.Spacing) << i;
      EXPECT_EQ(static_cast<int>(measure.itemHeight), text.cy + 2 * row.Margin) << i;
      // The bar lays the items out side by side at those widths.
      const RECT r = ItemRect(i);
      if (systemExtra < 0) systemExtra = r.right - r.left - static_cast<int>(measure.itemWidth);
      EXPECT_EQ(r.right - r.left, static_cast<int>(measure.itemWidth) + systemExtra) << i;
      EXPECT_EQ(r.left, left) << i;
      left = r.right;
    }
  }
  EXPECT_GE(systemExtra, 0);
}

TEST_F(MenuBarTest, TheBandAndItemsComeFromTheSkinAndHotItemsFromMenuItem) {
  HWND window = Form->GetHandle();
  ASSERT_TRUE(Provider->PrepareCache());
  const TBitmap32& picture = Provider->GetCache().Bitmap();
  RECT bounds, r = ItemRect(1);
  GetWindowRect(window, &bounds);
  OffsetRect(&r, -bounds.left, -bounds.top);
  const TColor line = Manager->Model.gd[static_cast<size_t>(Manager->Model.GetSkinIndex("MENULINE"))].Props[0].Color;
  const TColor hot = Manager->Model.gd[static_cast<size_t>(Manager->Model.GetSkinIndex("MENUITEM"))].Props[1].Color;
  ASSERT_NE(line, hot);
  // In the picture: the band's colour left of the caption, some dark text inside the item.
  const int middle = (r.top + r.bottom) / 2;
  EXPECT_EQ(picture.Row(middle)[r.left + 6] & 0xFFFFFF, Pixel(line));
  bool text = false;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) text |= (picture.Row(y)[x] & 0xFF) < 0x80;
  EXPECT_TRUE(text);

  // The system asks for the item hot: drawn from MENUITEM's hot state into its DC.
  const int w = r.right - r.left, h = r.bottom - r.top;
  for (const UINT state : {UINT(ODS_HOTLIGHT), UINT(ODS_SELECTED), UINT(0)}) {
    TBitmap32 drawn(w, h);
    {
      const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
      const TSelectObject selected(dc.Get(), BitmapHandle(drawn));
      SetViewportOrgEx(dc.Get(), -r.left, -r.top, nullptr);
      DRAWITEMSTRUCT draw{};
      draw.CtlType = ODT_MENU;
      draw.itemState = state;
      draw.hDC = dc.Get();
      draw.rcItem = r;
      draw.itemData = reinterpret_cast<ULONG_PTR>(Menu->GetItems().GetItem(1));
      EXPECT_EQ(SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
      GdiFlush();
    }
    EXPECT_EQ(drawn.Row(h / 2)[6] & 0xFFFFFF, Pixel(state ? hot : line)) << state;
  }
}

TEST_F(MenuBarTest, CommandsAndAccessKeysReachTheItems) {
  HWND window = Form->GetHandle();
  // The first item's command id is its place among the bar's commands.
  HMENU file = GetSubMenu(Bar(), 0);
  ASSERT_NE(file, nullptr);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetMenuItemID(file, 0), 0), 0);
  EXPECT_EQ(Clicks, 1);
  // Owner-drawn captions are unknown to the system: the form answers their access keys.
  EXPECT_EQ(SendMessageW(window, WM_MENUCHAR, MAKEWPARAM('o', MF_POPUP), reinterpret_cast<LPARAM>(Bar())),
            MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(HIWORD(SendMessageW(window, WM_MENUCHAR, MAKEWPARAM('h', MF_POPUP), reinterpret_cast<LPARAM>(Bar()))),
            MNC_IGNORE) << "Help has no access key";
}

TEST_F(MenuBarTest, WithoutTheSkinTheSystemDrawsTheBarAgain) {
  Manager->SetActive(false);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ItemType(i) & MFT_OWNERDRAW, 0u) << i;
  Manager->SetActive(true);
  for (int i = 0; i < 3; ++i) EXPECT_NE(ItemType(i) & MFT_OWNERDRAW, 0u) << i;
  // The menu freed before the form: the window keeps no bar of it.
  delete Menu;
  EXPECT_EQ(Bar(), nullptr);
}

}  // namespace
