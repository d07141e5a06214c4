#include "app/logic/login_controller.h"

#include "app/logic/login_signing.h"
#include "app/logic/md5.h"
#include "app/logic/text_rules.h"

namespace lanque {

LoginController::LoginController(LoginView& view, SettingsStores stores, LoginEnvironment environment)
    : view_(view),
      stores_(std::move(stores)),
      environment_(std::move(environment)),
      endpoints_(environment_.serviceBaseUrl) {}

void LoginController::Start() {
  view_.SetStatusText(std::string(kStatusInitialising));
  view_.SetSignInEnabled(false);
  state_.Tag = kTagParameters;
  view_.NavigateChannel(endpoints_.ParametersAddress());
  view_.NavigateBanner(endpoints_.BannerAddress());
}

void LoginController::OnChannelDocumentComplete() {
  switch (state_.Tag) {
    case kTagParameters: HandleParametersReply(); break;
    case kTagNonce: HandleNonceReply(); break;
    case kTagLogin: HandleLoginReply(); break;
    case kTagSignedIn:
      state_.CloseMode = 0;
      view_.ShowSignedInView();
      break;
    default: break;
  }
}

void LoginController::OnBannerDocumentComplete() {
  view_.SetStatusText("");
  view_.RevealBanner();
}

void LoginController::HandleParametersReply() {
  const std::string reply = view_.ReadReplyText();
  const BarSplit versionAndRest = SplitAtBar(reply);
  if (!versionAndRest.found) return;
  const BarSplit rest = SplitAtBar(versionAndRest.after);
  const std::string_view updateAddress = rest.found ? rest.before : std::string_view();
  const std::string_view seconds = rest.found ? rest.after : rest.before;
  // A seconds field that is no number leaves the window initialising.
  const auto interval = ParsePollSeconds(seconds);
  if (!interval) return;
  view_.SetPollInterval(*interval);

  if (versionAndRest.before != state_.ClientVersion) {
    view_.ShowMessageBox(std::string(kUpdateText), std::string(kUpdateCaption), MessageKind::Information);
    // Only complete web addresses go to the shell: "file:" or UNC paths would
    // start programs, and a quote would split the handler's command line.
    const std::string_view address = TrimControl(updateAddress);
    if (IsWebAddress(address)) view_.ShellOpen(std::string(address));
    state_.CloseMode = 1;
    view_.RequestClose();
    return;
  }
  view_.SetSignInEnabled(true);
  LoadAccountSettings();
}

void LoginController::HandleNonceReply() {
  state_.Nonce = view_.ReadReplyText();
  if (state_.Nonce.empty()) {
    ShowSimpleMessage(kNonceFailedText);
    return;
  }
  SendLoginRequest();
}

void LoginController::HandleLoginReply() {
  const std::string reply = view_.ReadReplyText();
  const BarSplit split = SplitAtBar(reply);
  if (!split.found) ShowSimpleMessage(kLoginFaultText);
  // Without a "|" the result is empty and the whole text is the reason.
  const std::string_view result = split.found ? split.before : std::string_view();
  const std::string_view landing = split.found ? split.after : split.before;
  // Only a complete web address is followed, and exactly the one checked.
  const std::string_view landingAddress = TrimControl(landing);
  const bool accepted = EqualsIgnoreAsciiCase(result, "TRUE");
  if (!accepted || !IsWebAddress(landingAddress)) {
    // A refused address is not echoed: it may be anything, of any length.
    SignInFailed(accepted ? std::string(kLandingRefusedText) : EchoOfReply(landing));
    return;
  }
  view_.SetStatusText(std::string(kStatusAccepted));
  state_.Tag = kTagSignedIn;
  view_.NavigateChannel(std::string(landingAddress));
}

void LoginController::SignInFailed(std::string_view reason) {
  ShowSimpleMessage(std::string(kLoginFailedText) + std::string(reason));
  view_.SetSignInEnabled(true);
}

void LoginController::ShowSimpleMessage(std::string_view text) {
  view_.ShowMessageBox(std::string(text), "", MessageKind::Simple);
}

void LoginController::RequestNonce() {
  const std::string userId = view_.UserNumberText();
  if (userId.empty()) return;
  if (view_.PasswordText().empty() && state_.AutoRunFlag != "1") return;
  state_.Tag = kTagNonce;
  // The number exactly as typed; the login request trims it.
  view_.NavigateChannel(endpoints_.NonceAddress(environment_.toSystemCodePage(userId)));
}

void LoginController::SendLoginRequest() {
  state_.Tag = kTagLogin;
  const auto& encode = environment_.toSystemCodePage;
  LoginRequest request;
  request.userId = encode(TrimControl(view_.UserNumberText()));
  request.passwordDigest = state_.AutoRunFlag == "1"
                               ? state_.SavedPasswordDigest
                               : Md5Hex(encode(TrimControl(view_.PasswordText())));
  request.timestamp = environment_.unixTime();
  request.nonce = encode(state_.Nonce);
  view_.NavigateChannel(endpoints_.LoginAddress(BuildLoginQuery(request)));
}

void LoginController::LoadAccountSettings() {
  AccountValues values{state_.SavedUserId, state_.SavedPasswordDigest, state_.AutoRunFlag};
  const bool complete = LoadAccount(stores_, values);
  state_.SavedUserId = values.userId;
  state_.SavedPasswordDigest = values.passwordDigest;
  state_.AutoRunFlag = values.autoRun;
  if (!complete) return;  // a value that is not text ends the loading

  if (!state_.SavedUserId.empty()) {
    view_.SetUserNumberText(state_.SavedUserId);
    view_.TickSaveNumber();
  }
  if (state_.AutoRunFlag == "1") {
    view_.SetSignInEnabled(false);
    view_.TickAutoSignIn();
    RequestNonce();
  }
}

void LoginController::SaveAccountSettings(const std::string& userId, const std::string& passwordDigest,
                                          const std::string& autoRun) {
  SaveAccount(stores_, AccountValues{userId, passwordDigest, autoRun});
}

void LoginController::SignInClick() {
  const std::string userText = view_.UserNumberText();
  const std::string passwordText = view_.PasswordText();
  const std::string user(TrimControl(userText));
  if (user.empty()) return;
  const std::string_view password = TrimControl(passwordText);
  if (password.empty()) return;

  if (view_.IsAutoSignInTicked()) {
    SaveAccountSettings(user, Md5Hex(environment_.toSystemCodePage(password)), "1");
  } else if (view_.IsSaveNumberTicked()) {
    SaveAccountSettings(user, "", "0");
  }
  state_.AutoRunFlag = std::string(1, '0');  // assigning "0" trips a false -Wrestrict in GCC 12
  RequestNonce();
}

void LoginController::CancelAutoSignIn() { SaveAccountSettings("", "", "0"); }

void LoginController::ExitFromMenu() {
  state_.CloseMode = 1;
  view_.RequestClose();
}

void LoginController::ExitRequestedByPage() {
  state_.CloseMode = 2;
  view_.RequestClose();
}

bool LoginController::QueryClose() {
  if (state_.CloseMode == 2) return true;
  return view_.ShowMessageBox(std::string(kExitQuestionText), std::string(kExitQuestionCaption),
                              MessageKind::YesNo) == MessageAnswer::Yes;
}

}  // namespace lanque
