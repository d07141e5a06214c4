// The login window's sign-in logic: the service channel with its request tags
// and reply dispatch, the signed login request, the account settings, and the
// window's close mode. The window forwards its events here and carries out
// what the controller asks through LoginView.
//
// Text: everything here is UTF-8 (std::string), whatever the system's code
// page. The window converts at its edges (UTF-16 controls and browsers), and
// the one place where the code page matters, the bytes that are signed, digested
// and sent in queries, goes through `toSystemCodePage` (on Windows: UTF-8 to
// UTF-16 to CP_ACP, GBK on Chinese systems), so digests match what the service
// stores and what earlier versions of the client sent.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/logic/account_settings.h"
#include "app/logic/login_view.h"
#include "app/logic/service_address.h"
#include "app/logic/version.h"

namespace lanque {

// Request tags of the service channel: which reply is awaited.
enum RequestTag : int {
  kTagNone = 0,
  kTagParameters = 1,
  kTagNonce = 2,
  kTagLogin = 3,
  kTagSignedIn = 9,
};

// Messages and status texts shown by the controller.
inline constexpr std::string_view kStatusInitialising = "系统初始化中...";
inline constexpr std::string_view kStatusAccepted = "登陆成功，请稍候...";
inline constexpr std::string_view kUpdateText = "有新版本，需要更新...";
inline constexpr std::string_view kUpdateCaption = "版本更新";
inline constexpr std::string_view kNonceFailedText = "获取账号失败！";
inline constexpr std::string_view kLoginFaultText = "登陆异常！";
inline constexpr std::string_view kLoginFailedText = "登陆失败:";
// After kLoginFailedText, for a TRUE reply whose landing address is refused.
inline constexpr std::string_view kLandingRefusedText = "服务返回的登陆地址无效";
inline constexpr std::string_view kExitQuestionText = "\n你确定要退出吗？\n";
inline constexpr std::string_view kExitQuestionCaption = "系统退出提醒";

// The window's state fields used by the sign-in logic.
struct LoginState {
  std::string ClientVersion = LANQUE_VERSION_TEXT;
  std::string Nonce;
  std::string SavedUserId;
  std::string SavedPasswordDigest;  // 32 lowercase hexadecimal characters, or empty
  std::string AutoRunFlag = "0";    // "1": the current sign-in sends SavedPasswordDigest
  std::int32_t CloseMode = 1;       // 2 closes without asking
  int Tag = kTagNone;               // request tag of the service channel
};

struct LoginEnvironment {
  std::string serviceBaseUrl = std::string(kDefaultServiceBaseUrl);
  // UTF-8 text to its bytes in the system code page.
  std::function<std::string(std::string_view)> toSystemCodePage;
  // Whole seconds since 1970-01-01 00:00:00 UTC.
  std::function<std::int64_t()> unixTime;
};

class LoginController {
 public:
  LoginController(LoginView& view, SettingsStores stores, LoginEnvironment environment);

  LoginState& State() { return state_; }
  const LoginState& State() const { return state_; }
  bool IsSignedIn() const { return state_.Tag == kTagSignedIn; }

  // Start-up, after the window and its tray icon exist: initialising status,
  // button disabled, parameters request (tag 1), banner page.
  void Start();

  // CppWebBrowser1's document-complete, for its own top-level document only.
  void OnChannelDocumentComplete();
  // CppWebBrowser2's document-complete, for its own top-level document only.
  void OnBannerDocumentComplete();

  void SignInClick();           // sBitBtn1Click
  void CancelAutoSignIn();      // N3Click
  void ExitFromMenu();          // N1Click: close, asking first
  void ExitRequestedByPage();   // the page's "client_exit": close without asking
  bool QueryClose();            // FormCloseQuery: may the window close?

  void RequestNonce();
  void SendLoginRequest();
  void LoadAccountSettings();
  void SaveAccountSettings(const std::string& userId, const std::string& passwordDigest,
                           const std::string& autoRun);

 private:
  void HandleParametersReply();
  void HandleNonceReply();
  void HandleLoginReply();
  void ShowSimpleMessage(std::string_view text);
  void SignInFailed(std::string_view reason);

  LoginView& view_;
  SettingsStores stores_;
  LoginEnvironment environment_;
  ServiceEndpoints endpoints_;
  LoginState state_;
};

}  // namespace lanque
