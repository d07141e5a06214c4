#include "app/login_form.h"

#include <gtest/gtest.h>

#include <set>

#include "app/tests/scripted_browser.h"
#include "framework/application.h"
#include "framework/screen.h"
#include "tests/support/print_client.h"

namespace {

class LoginFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App.Initialize();
    Form = App.CreateForm<TForm1>();
  }
  static RECT Bounds(const TControl* Control) { return Control->GetBoundsRect(); }

  TScriptedEngines Engines;  // no network: the browsers are scripted
  TApplication App;
  TForm1* Form = nullptr;
};

TEST_F(LoginFormTest, WindowIsTheFixedLoginDialogCentredOnTheScreen) {
  HWND window = Form->GetHandle();
  EXPECT_EQ(Form->GetCaption(), L"蓝鹊商务版登陆");
  EXPECT_EQ(Form->GetClientWidth(), 305);
  EXPECT_EQ(Form->GetClientHeight(), 222);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_EQ(Form->GetBorderIcons(), TBorderIcons(biSystemMenu));
  EXPECT_FALSE(style & WS_SYSMENU);  // the skin draws the close button and opens the system menu
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(Form->GetLeft(), (Screen->GetWidth() - Form->GetWidth()) / 2);
  EXPECT_EQ(Form->GetTop(), (Screen->GetHeight() - Form->GetHeight()) / 2);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, Form->GetLeft());
  EXPECT_EQ(outer.right - outer.left, Form->GetWidth());
}

TEST_F(LoginFormTest, ComponentsSitWhereTheLayoutPutsThem) {
  const std::pair<const TControl*, RECT> expected[] = {
      {Form->Image1, {8, 8, 297, 105}},          {Form->CppWebBrowser2, {8, 8, 8, 105}},
      {Form->sLabel1, {48, 117, 105, 130}},      {Form->sLabel2, {48, 141, 105, 154}},
      {Form->CppWebBrowser1, {8, 112, 8, 137}},  {Form->sEdit1, {112, 112, 233, 133}},
      {Form->sEdit2, {112, 136, 233, 157}},      {Form->sCheckBox1, {48, 168, 121, 187}},
      {Form->sCheckBox2, {160, 168, 233, 187}},  {Form->sBitBtn1, {224, 192, 299, 217}},
      {Form->sLabel3, {16, 200, 209, 213}},
  };
  for (const auto& [control, rect] : expected) {
    SCOPED_TRACE(testing::Message() << std::string(control->GetName().begin(), control->GetName().end()));
    const RECT actual = Bounds(control);
    EXPECT_EQ(actual.left, rect.left);
    EXPECT_EQ(actual.top, rect.top);
    EXPECT_EQ(actual.right, rect.right);
    EXPECT_EQ(actual.bottom, rect.bottom);
  }
  EXPECT_EQ(Form->Image1->GetPictureWidth(), 289);
  EXPECT_EQ(Form->Image1->GetPictureHeight(), 97);
}

TEST_F(LoginFormTest, TextsColoursAndFontsFollowTheLayout) {
  EXPECT_EQ(Form->sLabel1->GetCaption(), L"用户号码");
  EXPECT_EQ(Form->sLabel2->GetCaption(), L"用户密码");
  EXPECT_EQ(Form->sCheckBox1->GetCaption(), L"保存号码");
  EXPECT_EQ(Form->sCheckBox2->GetCaption(), L"自动登陆");
  EXPECT_EQ(Form->sBitBtn1->GetCaption(), L"登陆");
  EXPECT_EQ(Form->sEdit1->GetColor(), 16774637);
  EXPECT_EQ(Form->sEdit2->GetColor(), 16774637);
  EXPECT_TRUE(Form->sEdit1->GetFont().GetStyle() & fsBold);
  EXPECT_EQ(Form->sEdit2->GetPasswordChar(), L'*');
  EXPECT_EQ(Form->sLabel3->GetFont().GetColor(), clRed);
  EXPECT_EQ(Form->sLabel3->GetFont().GetName(), L"MS Sans Serif");
  EXPECT_EQ(Form->GetFont().GetHeight(), -11);
  EXPECT_EQ(Form->N1->GetCaption(), L"退出");
  EXPECT_EQ(Form->PopupMenu1->GetItems().GetItem(1), Form->N3);
  EXPECT_EQ(Form->N3->GetCaption(), L"取消自动登陆");
  EXPECT_EQ(Form->N2->GetCaption(), L"关于蓝鹊商务版");
  EXPECT_EQ(Form->ImageList1->GetCount(), 1);
}

TEST_F(LoginFormTest, StartsInitialisingWithTheButtonDisabledAndTheIconUp) {
  EXPECT_EQ(Form->sLabel3->GetCaption(), L"系统初始化中...");
  EXPECT_FALSE(Form->sBitBtn1->GetEnabled());
  EXPECT_FALSE(IsWindowEnabled(Form->sBitBtn1->GetHandle()));
  EXPECT_TRUE(Form->TrayIcon1->GetVisible());
  EXPECT_EQ(Form->TrayIcon1->GetPopupMenu(), Form->PopupMenu1);
  EXPECT_EQ(Form->TrayIcon1->GetPopupMenuOn(), imRightClickUp);
  EXPECT_EQ(Form->TrayIcon1->GetAnimateInterval(), 800u);
  EXPECT_FALSE(Form->Timer1->GetEnabled());
  EXPECT_FALSE(Form->Timer2->GetEnabled());
  EXPECT_EQ(Form->Timer2->GetInterval(), 3000u);
  EXPECT_EQ(Form->State().CloseMode, 1);
  EXPECT_EQ(Form->State().ClientVersion, "1.00");
  EXPECT_EQ(Form->State().AutoRunFlag, "0");
  EXPECT_EQ(Form->State().Tag, 1);
}

TEST_F(LoginFormTest, TheSkinStoredWithTheWindowIsCurrent) {
  EXPECT_EQ(Form->sSkinManager1->GetSkinName(), "Lanque");
  EXPECT_EQ(Form->sSkinManager1->GetSkinInfo(), "8.50");
  EXPECT_TRUE(Form->sSkinManager1->Model.Loaded());
  EXPECT_GE(Form->sSkinManager1->Model.GetSkinIndex("BUTTON"), 0);
}

// How many different colours a window's client area shows, as its WM_PRINTCLIENT draws it.
size_t ColoursShown(HWND Window) {
  const TBitmap32 picture = PrintClient(Window);
  std::set<std::uint32_t> colours;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) colours.insert(GetAPixel(picture, x, y) & 0xFFFFFFu);
  return colours.size();
}

TEST_F(LoginFormTest, TheSkinnedControlsShowTheirCaptions) {
  App.ProcessMessages();
  // A box alone has a few colours; its caption adds the shades of the letters.
  const size_t boxOnly = [&] {
    const std::wstring caption = Form->sCheckBox1->GetCaption();
    Form->sCheckBox1->SetCaption(L"");
    const size_t colours = ColoursShown(Form->sCheckBox1->GetHandle());
    Form->sCheckBox1->SetCaption(caption);
    return colours;
  }();
  for (TWinControl* control : std::initializer_list<TWinControl*>{Form->sCheckBox1, Form->sCheckBox2,
                                                                  Form->sBitBtn1}) {
    SCOPED_TRACE(testing::Message() << std::string(control->GetName().begin(), control->GetName().end()));
    EXPECT_GT(ColoursShown(control->GetHandle()), boxOnly + 2);
  }
}

TEST_F(LoginFormTest, TabOrderRunsThroughTheFieldsInLayoutOrder) {
  // Tab moves between sibling windows in z-order; browsers are skipped (no tab stop).
  std::vector<HWND> order;
  for (HWND child = GetWindow(Form->GetHandle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) order.push_back(child);
  const std::vector<HWND> expected = {Form->sBitBtn1->GetHandle(), Form->sEdit1->GetHandle(),
                                      Form->sEdit2->GetHandle(), Form->sCheckBox1->GetHandle(),
                                      Form->sCheckBox2->GetHandle()};
  EXPECT_EQ(order, expected);
}

}  // namespace
