#include <gtest/gtest.h>

#include <utility>

#include "app/login_form.h"
#include "app/page_input.h"
#include "app/settings/account_stores.h"
#include "app/tests/scripted_browser.h"
#include "framework/application.h"
#include "skin/forms/form_animations.h"
#include "tests/support/message_pump.h"

namespace {

TScriptedPage Landing(std::wstring NewMessages, std::wstring Exit) {
  return {L"landing", {{L"INPUT", L"client_new_msg", std::move(NewMessages)}, {L"INPUT", L"client_exit", std::move(Exit)}}};
}

class SignedInViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App.Initialize();
    Form = App.CreateForm<TForm1>();
    Form->MessageBoxProc = [this](HWND, const std::wstring& Text, const std::wstring& Caption, UINT) {
      Boxes.push_back(Caption + L"|" + Text);
      return Answer;
    };
    Form->ShellOpenProc = [this](HWND, const std::wstring& Address) { Launched.push_back(Address); };
    Form->Show();
    // The browsers make their engines once the window has painted.
    ASSERT_TRUE(PumpUntil([this] { return !Form->CppWebBrowser1->GetBusy() && !Form->CppWebBrowser2->GetBusy(); }, 3000));
  }
  TScriptedBrowser& Channel() { return *Engines.All.at(0); }
  void SignIn(TScriptedPage Page) {
    Form->State().Tag = 9;
    Channel().Complete(std::move(Page));
  }
  std::wstring Value(size_t Index) { return Channel().Page->Elements.at(Index).Value; }

  TScriptedEngines Engines;
  TApplication App;
  TForm1* Form = nullptr;
  std::vector<std::wstring> Boxes;
  std::vector<std::wstring> Launched;  // what the shell would have opened
  int Answer = IDNO;
};

TEST_F(SignedInViewTest, ConstructorSendsTheParametersAndBannerRequests) {
  ASSERT_EQ(Engines.All.size(), 2u);
  ASSERT_EQ(Channel().Navigations.size(), 1u);
  EXPECT_NE(Channel().Navigations[0].find(L"/lanquemsg_v2/index.php/Login/client_get_param"), std::wstring::npos);
  ASSERT_EQ(Engines.All[1]->Navigations.size(), 1u);
  EXPECT_NE(Engines.All[1]->Navigations[0].find(L"/lanquemsg_v2/index.php/Login/client_login_ad"), std::wstring::npos);
}

TEST_F(SignedInViewTest, AnUpdateAddressReachesTheShellOnlyWhenItIsACompleteWebAddress) {
  const std::wstring good = L"http://svc/lanquemsg_v2/download/";
  for (const std::wstring& address : {std::wstring(L"http://svc/new.exe\" file:///c:/windows/system32/calc.exe"),
                                      L"http://svc/" + std::wstring(5000, L'a'), good}) {
    Boxes.clear();
    Form->State().Tag = 1;
    Channel().Complete({L"1.01|" + address + L"|60", {}});
    EXPECT_EQ(Boxes, (std::vector<std::wstring>{L"版本更新|有新版本，需要更新...", L"系统退出提醒|\n你确定要退出吗？\n"}));
  }
  EXPECT_EQ(Launched, std::vector<std::wstring>{good});
  EXPECT_FALSE(App.IsTerminated());
}

TEST_F(SignedInViewTest, ALandingPageTurnsTheWindowIntoTheMaximisedPageView) {
  Channel().CompleteFrame();  // frames are not replies
  EXPECT_EQ(Form->GetCaption(), L"蓝鹊商务版登陆");
  SignIn(Landing(L"0", L"0"));
  EXPECT_EQ(Form->GetCaption(), L"蓝鹊商务版");
  for (TControl* control : std::initializer_list<TControl*>{Form->sLabel3, Form->sBitBtn1, Form->sCheckBox1,
                                                             Form->sCheckBox2, Form->sEdit1, Form->sEdit2,
                                                             Form->sLabel1, Form->sLabel2})
    EXPECT_FALSE(control->GetVisible()) << std::string(control->GetName().begin(), control->GetName().end());
  EXPECT_EQ(Form->CppWebBrowser2->GetWidth(), 0);
  EXPECT_EQ(Form->CppWebBrowser1->GetWidth(), Form->GetClientWidth());
  EXPECT_EQ(Form->CppWebBrowser1->GetHeight(), Form->GetClientHeight());
  EXPECT_TRUE(GetWindowLongPtrW(Form->GetHandle(), GWL_STYLE) & WS_MINIMIZEBOX);
  EXPECT_TRUE(IsZoomed(Form->GetHandle()));
  EXPECT_TRUE(Form->Timer2->GetEnabled());
  EXPECT_EQ(Form->State().CloseMode, 0);
}

// A page check slower than its period is not overtaken: the next one starts
// only after it has completed.
TEST_F(SignedInViewTest, ASlowPageCheckCompletesBeforeTheNextStarts) {
  SignIn(Landing(L"0", L"0"));
  Form->CppWebBrowser1->SetInputRefreshInterval(40);
  ASSERT_TRUE(PumpUntil([&] { return Channel().PageChecks == 1; }, 2000));
  PumpFor(240);  // six periods while the first check is on its way
  EXPECT_EQ(Channel().PageChecks, 1);
  ASSERT_EQ(Channel().PendingPageChecks.size(), 1u);
  std::exchange(Channel().PendingPageChecks, {}).front()(true);
  EXPECT_TRUE(PumpUntil([&] { return Channel().PageChecks == 2; }, 2000));
  PumpFor(120);
  EXPECT_EQ(Channel().PageChecks, 2);
}

TEST_F(SignedInViewTest, ThePagesExitRequestClosesWithoutAQuestion) {
  SignIn(Landing(L"0", L"0"));
  Form->Timer2Timer(Form->Timer2);
  EXPECT_FALSE(App.IsTerminated());
  Channel().Page->Elements[1].Value = L"1";
  Form->Timer2Timer(Form->Timer2);
  EXPECT_TRUE(App.IsTerminated());
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Value(1), L"0");
}

TEST_F(SignedInViewTest, ARaisedCountWhileMinimisedGivesOneBalloonUntilRaisedAgain) {
  SignIn(Landing(L"5", L"0"));
  SendMessageW(Form->GetHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(Form->Timer1->GetEnabled());
  EXPECT_EQ(Value(0), L"0");  // counted before minimising: forgotten
  Channel().Page->Elements[0].Value = L"3";
  Form->Timer1Timer(Form->Timer1);
  const NOTIFYICONDATAW& data = Form->TrayIcon1->GetIconData();
  EXPECT_STREQ(data.szInfoTitle, L"短信提醒");
  EXPECT_STREQ(data.szInfo, L"  您有3条新短信!\n\n单击此气球查看新短信");
  EXPECT_EQ(Value(0), L"0");
  Form->TrayIcon1->ShowBalloon(L"", L"");
  Form->Timer1Timer(Form->Timer1);
  EXPECT_STREQ(Form->TrayIcon1->GetIconData().szInfo, L"");

  // Restoring stops the poll and clears the balloon.
  Channel().Page->Elements[0].Value = L"2";
  Form->Timer1Timer(Form->Timer1);
  Form->TrayIcon1->Restore();
  EXPECT_FALSE(Form->Timer1->GetEnabled());
  EXPECT_STREQ(Form->TrayIcon1->GetIconData().szInfo, L"");
  EXPECT_TRUE(IsWindowVisible(Form->GetHandle()));
}

// Into the notification area and back: the maximised page view travels
// toward the taskbar and back on its cover, and is left maximised, shown,
// not layered and with no cover.
TEST_F(SignedInViewTest, TheSignedInWindowAnimatesIntoTheTrayAndBackOut) {
  struct TSwitches {
    ~TSwitches() { AnimSwitches() = {}; }
  } restore;
  std::vector<TacAnimKind> kinds;
  AnimSwitches().SmoothMinimize = 1;  // the stepped travel, as on a composed desktop
  AnimSwitches().OnStep = [&](const TacAnimStep& step) {
    kinds.push_back(step.Kind);
    return true;
  };
  SignIn(Landing(L"0", L"0"));
  HWND window = Form->GetHandle();
  const auto covers = [] { return FindWindowW(L"LanqueAnimationCover", nullptr) != nullptr; };
  const auto count = [&](TacAnimKind kind) { return std::count(kinds.begin(), kinds.end(), kind); };

  // The frames of 120 ms in 12 ms steps, wherever the taskbar is.
  RECT r;
  GetWindowRect(window, &r);
  TacMinimizeAnim anim({r.left, r.top, r.right, r.bottom}, {0, 0, 0, 0}, 10, 63);
  TacMinimizeFrame frame;
  long down = 0, up = 0;
  while (anim.MinimizeTick(frame)) ++down;
  while (anim.RestoreTick(frame)) ++up;

  SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return !covers() && count(akMinimize) > 0; }, 3000));
  EXPECT_EQ(count(akMinimize), down);
  EXPECT_FALSE(IsWindowVisible(window)) << "in the notification area";

  Form->TrayIcon1->Restore();
  ASSERT_TRUE(PumpUntil([&] { return !covers() && count(akRestore) > 0; }, 3000));
  EXPECT_EQ(count(akRestore), up);
  EXPECT_EQ(count(akShow), 0) << "a restore, not a show";
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(SignedInViewTest, MinimisingBeforeSignInDoesNotPoll) {
  SendMessageW(Form->GetHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(Form->Timer1->GetEnabled());
  EXPECT_FALSE(IsWindowVisible(Form->GetHandle()));
}

TEST_F(SignedInViewTest, PageInputsLastMatchWinsEarlierMatchesAreResetOtherTagsIgnored) {
  TScriptedBrowser browser;
  browser.Complete({L"", {{L"INPUT", L"client_exit", L"1"}, {L"DIV", L"client_exit", L"7"},
                          {L"input", L"client_exit", L"8"}, {L"INPUT", L"client_exit", L"0"}}});
  EXPECT_EQ(ExchangePageInput(browser.Document().get(), L"client_exit", L"0"), L"0");
  EXPECT_EQ(browser.Page->Elements[0].Value, L"0");
  EXPECT_EQ(browser.Page->Elements[1].Value, L"7");
  EXPECT_EQ(browser.Page->Elements[2].Value, L"8");
  EXPECT_EQ(ExchangePageInput(browser.Document().get(), L"client_new_msg", L"0"), L"");
  EXPECT_EQ(ExchangePageInput(nullptr, L"client_exit", L"0"), L"0");
}

TEST_F(SignedInViewTest, CloseAsksInEveryStateButThePagesExit) {
  SendMessageW(Form->GetHandle(), WM_CLOSE, 0, 0);  // initialising
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0], L"系统退出提醒|\n你确定要退出吗？\n");
  EXPECT_FALSE(App.IsTerminated());
  SignIn(Landing(L"0", L"0"));
  Form->N1Click(Form->N1);  // exit from the menu while signed in
  EXPECT_EQ(Boxes.size(), 2u);
  EXPECT_FALSE(App.IsTerminated());
  Answer = IDYES;
  SendMessageW(Form->GetHandle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Boxes.size(), 3u);
  EXPECT_TRUE(App.IsTerminated());
}

TEST_F(SignedInViewTest, CancellingAutomaticSignInForgetsTheRememberedNumber) {
  lanque::AccountStores stores;
  ASSERT_TRUE(lanque::SaveAccount(stores.InOrder(), {"10001", std::string(32, 'a'), "1"}));
  Form->N3Click(Form->N3);
  lanque::AccountValues values;
  ASSERT_TRUE(lanque::LoadAccount(stores.InOrder(), values));
  EXPECT_EQ(values.userId, "");
  EXPECT_EQ(values.passwordDigest, "");
  EXPECT_EQ(values.autoRun, "0");
}

TEST_F(SignedInViewTest, KeyboardFilterSkipsBusyPagesAndThreeKeys) {
  SignIn(Landing(L"0", L"0"));
  MSG msg{Form->CppWebBrowser1->GetHandle(), WM_KEYDOWN, VK_TAB, 0};
  bool handled = false;
  Channel().IsBusy = true;
  Form->ApplicationEvents1Message(msg, handled);
  EXPECT_EQ(Channel().Translated, 0);
  Channel().IsBusy = false;
  for (WPARAM key : {WPARAM(VK_TAB), WPARAM(VK_BACK), WPARAM(VK_LEFT), WPARAM(VK_RIGHT), WPARAM(VK_RETURN)}) {
    msg.wParam = key;
    Form->ApplicationEvents1Message(msg, handled);
  }
  EXPECT_EQ(Channel().TranslatedKeys, (std::vector<UINT>{VK_TAB, VK_RETURN}));
  msg.message = WM_MOUSEMOVE;
  Form->ApplicationEvents1Message(msg, handled);
  EXPECT_EQ(Channel().Translated, 3);
  EXPECT_FALSE(handled);
  EXPECT_NE(Form->ActiveObject, nullptr);
}

}  // namespace
