#include <gtest/gtest.h>

#include "app/logic/tests/fakes.h"
#include "app/logic/login_controller.h"
#include "app/logic/md5.h"

namespace lanque {
namespace {

using testing::FakeGbk;
using testing::FakeLoginView;
using testing::FakeSettingsStore;

constexpr const char* kApi = "http://svc/lanquemsg_v2/index.php/Login/";

class LoginControllerTest : public ::testing::Test {
 protected:
  LoginControllerTest() : controller(view, {&machine, &besideProgram}, Environment()) {}

  static LoginEnvironment Environment() {
    return {"http://svc", FakeGbk, [] { return std::int64_t{1700000000}; }};
  }

  // Delivers a reply to the service channel; returns the actions it caused.
  std::vector<std::string> Reply(const std::string& text) {
    view.replyText = text;
    view.actions.clear();
    controller.OnChannelDocumentComplete();
    return view.actions;
  }

  void StartAndPassVersionCheck() {
    controller.Start();
    Reply("1.00|http://svc/update|60");
  }

  FakeLoginView view;
  FakeSettingsStore machine, besideProgram;
  LoginController controller;
};

using Actions = std::vector<std::string>;

TEST_F(LoginControllerTest, StartAsksForParametersAndTheBanner) {
  controller.Start();
  EXPECT_EQ(view.actions, (Actions{"status 系统初始化中...", "disable",
                                   std::string("channel ") + kApi + "client_get_param",
                                   std::string("banner ") + kApi + "client_login_ad"}));
  EXPECT_EQ(controller.State().Tag, kTagParameters);
  EXPECT_EQ(controller.State().CloseMode, 1);
  EXPECT_EQ(controller.State().AutoRunFlag, "0");
}

TEST_F(LoginControllerTest, MatchingVersionSetsThePollEnablesAndLoadsSettings) {
  controller.Start();
  EXPECT_EQ(Reply("1.00|http://svc/update|60"), (Actions{"poll 60000", "enable"}));
  EXPECT_EQ(machine.opens, 1);
  EXPECT_EQ(view.status, "系统初始化中...");  // only the banner clears it
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(LoginControllerTest, ParametersWithOneSeparatorGiveAnEmptyUpdateAddress) {
  controller.Start();
  EXPECT_EQ(Reply("1.01|60"), (Actions{"poll 60000", "message 有新版本，需要更新...", "close"}));
  EXPECT_TRUE(view.shellOpened.empty());
}

TEST_F(LoginControllerTest, UnusableParametersLeaveTheWindowInitialising) {
  for (const char* reply : {"", "1.00 http://svc 60", "1.00|http://svc/update|6O", "1.01|u|-5"}) {
    controller.Start();
    EXPECT_EQ(Reply(reply), Actions{}) << reply;
    EXPECT_FALSE(view.signInEnabled);
    EXPECT_EQ(machine.opens, 0);
  }
}

TEST_F(LoginControllerTest, OtherVersionShowsTheUpdateOpensItAndAsksToClose) {
  controller.Start();
  controller.State().CloseMode = 0;
  EXPECT_EQ(Reply("1.01|https://svc/new.exe|30"),
            (Actions{"poll 30000", "message 有新版本，需要更新...", "shell open https://svc/new.exe",
                     "close"}));
  EXPECT_EQ(view.messages, (Actions{"版本更新|有新版本，需要更新...|information"}));
  EXPECT_EQ(controller.State().CloseMode, 1);
  EXPECT_FALSE(view.signInEnabled);
  EXPECT_EQ(machine.opens, 0);
}

TEST_F(LoginControllerTest, UpdateAddressThatIsNoWebAddressIsNotOpened) {
  const std::string addresses[] = {"file:///c:/windows/system32/calc.exe", "\\\\host\\share\\x.exe",
                                   "http://svc/new.exe\" file:///c:/windows/system32/calc.exe",
                                   "http://svc/" + std::string(5000, 'a')};
  for (const std::string& address : addresses) {
    controller.Start();
    EXPECT_EQ(Reply("1.01|" + address + "|60"), (Actions{"poll 60000", "message 有新版本，需要更新...", "close"}))
        << address;
    EXPECT_TRUE(view.shellOpened.empty()) << address;
  }
}

TEST_F(LoginControllerTest, StoredAccountIsFilledInAndSignsInAutomatically) {
  machine.Put("UserId", "10001");
  machine.Put("Password", Md5Hex("lanque123"));
  machine.Put("AutoRun", "1");
  controller.Start();
  EXPECT_EQ(Reply("1.00|u|60"),
            (Actions{"poll 60000", "enable", "user number 10001", "tick save number", "disable",
                     "tick auto sign-in", std::string("channel ") + kApi + "client_get_nonce?userid=10001"}));
  EXPECT_EQ(controller.State().Tag, kTagNonce);

  // The login request carries the stored digest; the password edit is empty.
  Reply("0123456789abcdef");
  EXPECT_EQ(view.channelAddresses.back(),
            std::string(kApi) + "client_login?userid=10001&pwd=a9ceb0adeaad3ed81c036d64db946933"
                                "&timestamp=1700000000&nonce=0123456789abcdef"
                                "&signature=307fd6f7e5dc6ed9ee65ac12660f1b17");
  EXPECT_EQ(controller.State().Tag, kTagLogin);
}

TEST_F(LoginControllerTest, AutoRunWithoutUserNumberDisablesAndStops) {
  machine.Put("AutoRun", "1");
  controller.Start();
  EXPECT_EQ(Reply("1.00|u|60"), (Actions{"poll 60000", "enable", "disable", "tick auto sign-in"}));
  EXPECT_EQ(controller.State().Tag, kTagParameters);
}

TEST_F(LoginControllerTest, SettingThatIsNotTextStopsLoadingBeforeApplying) {
  machine.Put("UserId", "10001");
  machine.PutNotText("Password");
  controller.Start();
  EXPECT_EQ(Reply("1.00|u|60"), (Actions{"poll 60000", "enable"}));
  EXPECT_EQ(controller.State().SavedUserId, "10001");
}

TEST_F(LoginControllerTest, EmptyNonceShowsAMessageAndLeavesTheButton) {
  StartAndPassVersionCheck();
  controller.State().Tag = kTagNonce;
  view.signInEnabled = false;
  EXPECT_EQ(Reply(""), (Actions{"message 获取账号失败！"}));
  EXPECT_EQ(view.messages.back(), "|获取账号失败！|simple");
  EXPECT_FALSE(view.signInEnabled);
}

TEST_F(LoginControllerTest, ManualSignInSendsTrimmedNumberAndTypedPasswordDigest) {
  StartAndPassVersionCheck();
  view.userNumber = " 张三\t";
  view.password = " 密码 ";
  controller.SignInClick();
  EXPECT_EQ(view.channelAddresses.back(),
            std::string(kApi) + "client_get_nonce?userid=%20%D5%C5%C8%FD%09");  // untrimmed
  Reply("n1");
  EXPECT_EQ(view.channelAddresses.back(),
            std::string(kApi) + "client_login?userid=%D5%C5%C8%FD&pwd=d2293e30f0c964c5f6242486aa8a483c"
                                "&timestamp=1700000000&nonce=n1"
                                "&signature=ec90f35f085750d65c80a1772e9e7000");
  EXPECT_TRUE(view.signInEnabled);
}

TEST_F(LoginControllerTest, AcceptedLoginNavigatesToTheLandingPageUnderTag9) {
  StartAndPassVersionCheck();
  controller.State().Tag = kTagLogin;
  EXPECT_EQ(Reply("tRUe|http://svc/land?a=1&b=2\r\n"),
            (Actions{"status 登陆成功，请稍候...", "channel http://svc/land?a=1&b=2"}));
  EXPECT_EQ(controller.State().Tag, kTagSignedIn);
  EXPECT_TRUE(controller.IsSignedIn());

  controller.State().CloseMode = 1;
  EXPECT_EQ(Reply("any page"), (Actions{"signed-in view"}));
  EXPECT_EQ(controller.State().CloseMode, 0);
  EXPECT_EQ(Reply("another page"), (Actions{"signed-in view"}));
}

// The reason the service gave is shown, at most 200 characters of it; a
// landing address the client refuses is never echoed.
TEST_F(LoginControllerTest, RefusedLoginShowsTheReasonAndReenablesTheButton) {
  StartAndPassVersionCheck();
  std::string longReason;
  for (int i = 0; i < 5000; ++i) longReason += "错误";
  const std::string longAddress = "http://svc/" + std::string(10000, 'a');
  const std::string refused = "message 登陆失败:服务返回的登陆地址无效";
  const std::pair<std::string, Actions> cases[] = {
      {"FALSE|用户号码或密码错误", {"message 登陆失败:用户号码或密码错误", "enable"}},
      {"TRUE1|x", {"message 登陆失败:x", "enable"}},
      {"<html>error page</html>", {"message 登陆异常！", "message 登陆失败:<html>error page</html>", "enable"}},
      {"FALSE|" + longReason, {"message 登陆失败:" + longReason.substr(0, 200 * 3) + "…", "enable"}},
      {"FALSE|" + std::string(199, 'x') + "错", {"message 登陆失败:" + std::string(199, 'x') + "错", "enable"}},
      {"FALSE|" + std::string(200, 'x') + "错", {"message 登陆失败:" + std::string(200, 'x') + "…", "enable"}},
      {"x" + longReason, {"message 登陆异常！", "message 登陆失败:x" + longReason.substr(0, 199 * 3) + "…", "enable"}},
      {"TRUE|" + longAddress, {refused, "enable"}},
      {"TRUE|file:///c:/x.exe", {refused, "enable"}},
      {"TRUE|", {refused, "enable"}},
      {"TRUE|http://svc/land\" file:///c:/x.exe", {refused, "enable"}},
      {"TRUE|http://svc/la\x01nd", {refused, "enable"}},
  };
  for (const auto& [reply, expected] : cases) {
    controller.State().Tag = kTagLogin;
    view.signInEnabled = false;
    EXPECT_EQ(Reply(reply), expected) << reply.substr(0, 60);
    EXPECT_EQ(controller.State().Tag, kTagLogin);
  }
}

TEST_F(LoginControllerTest, UnknownTagDoesNothingAndTheBannerClearsTheStatus) {
  EXPECT_EQ(Reply("1.00|u|60"), Actions{});  // tag 0 before the first request
  controller.State().Tag = 7;
  EXPECT_EQ(Reply("1.00|u|60"), Actions{});
  controller.Start();
  view.actions.clear();
  controller.OnBannerDocumentComplete();
  EXPECT_EQ(view.actions, (Actions{"status ", "reveal banner"}));
}

TEST_F(LoginControllerTest, SignInClickStoresWhatTheBoxesSay) {
  StartAndPassVersionCheck();
  view.userNumber = " 10001 ";
  view.password = " lanque123 ";

  controller.SignInClick();  // neither box: nothing written
  EXPECT_TRUE(machine.values.empty());

  view.saveNumberTicked = true;
  controller.SignInClick();
  EXPECT_EQ(machine.Get("UserId"), "10001");
  EXPECT_EQ(machine.Get("Password"), "");
  EXPECT_EQ(machine.Get("AutoRun"), "0");

  view.autoSignInTicked = true;
  controller.State().AutoRunFlag = "1";
  controller.SignInClick();
  EXPECT_EQ(machine.Get("Password"), "a9ceb0adeaad3ed81c036d64db946933");
  EXPECT_EQ(machine.Get("AutoRun"), "1");
  EXPECT_EQ(controller.State().AutoRunFlag, "0");  // this sign-in uses the typed password
  EXPECT_EQ(view.channelAddresses.size(), 4u);    // parameters + three nonce requests
  EXPECT_TRUE(besideProgram.values.empty());

  view.saveNumberTicked = view.autoSignInTicked = false;
  controller.SignInClick();
  EXPECT_EQ(machine.Get("AutoRun"), "1");  // left as it was
}

TEST_F(LoginControllerTest, SignInClickNeedsBothFields) {
  StartAndPassVersionCheck();
  view.saveNumberTicked = view.autoSignInTicked = true;
  for (const auto& [user, password] : {std::pair{" \t", "pw"}, std::pair{"10001", "  "}}) {
    view.userNumber = user;
    view.password = password;
    controller.SignInClick();
  }
  EXPECT_TRUE(machine.values.empty());
  EXPECT_EQ(controller.State().Tag, kTagParameters);
}

TEST_F(LoginControllerTest, AccountGoesToTheFileWhenTheKeyCannotBeOpened) {
  machine.canOpen = false;
  besideProgram.Put("UserId", "30003");
  StartAndPassVersionCheck();
  EXPECT_EQ(view.userNumber, "30003");
  controller.CancelAutoSignIn();
  EXPECT_EQ(besideProgram.Get("UserId"), "");
  EXPECT_EQ(besideProgram.Get("Password"), "");
  EXPECT_EQ(besideProgram.Get("AutoRun"), "0");
  EXPECT_TRUE(machine.values.empty());
}

TEST_F(LoginControllerTest, CloseAsksUnlessThePageRequestedTheExit) {
  view.nextAnswer = MessageAnswer::No;
  controller.ExitFromMenu();
  EXPECT_FALSE(controller.QueryClose());
  EXPECT_EQ(view.messages.back(), "系统退出提醒|\n你确定要退出吗？\n|yes-no");
  view.nextAnswer = MessageAnswer::Yes;
  EXPECT_TRUE(controller.QueryClose());

  view.messages.clear();
  controller.ExitRequestedByPage();
  EXPECT_EQ(controller.State().CloseMode, 2);
  EXPECT_TRUE(controller.QueryClose());
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(view.closeRequests, 2);
}

TEST_F(LoginControllerTest, NextStartSignsInWithTheStoredDigest) {
  StartAndPassVersionCheck();
  view.userNumber = "10001";
  view.password = "lanque123";
  view.autoSignInTicked = true;
  controller.SignInClick();

  FakeLoginView nextView;
  LoginController next(nextView, {&machine, &besideProgram}, Environment());
  next.Start();
  nextView.replyText = "1.00|u|60";
  next.OnChannelDocumentComplete();
  EXPECT_TRUE(nextView.autoSignInTicked && nextView.saveNumberTicked);
  EXPECT_FALSE(nextView.signInEnabled);
  nextView.replyText = "0123456789abcdef";
  next.OnChannelDocumentComplete();
  EXPECT_NE(nextView.channelAddresses.back().find("&pwd=a9ceb0adeaad3ed81c036d64db946933&"),
            std::string::npos);
}

}  // namespace
}  // namespace lanque
