// Test doubles for the sign-in logic: a scripted login window, in-memory
// settings stores and a small stand-in for the GBK code page.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/logic/account_settings.h"
#include "app/logic/login_view.h"

namespace lanque::testing {

// UTF-8 to GBK for the few Chinese characters the tests use; ASCII unchanged.
std::string FakeGbk(std::string_view utf8);

// Records what the controller asks of the window, and answers from fields the
// test sets. Every action is also appended to `actions` as one line.
class FakeLoginView : public LoginView {
 public:
  std::string userNumber, password, status = "<unset>", replyText;
  bool saveNumberTicked = false, autoSignInTicked = false, signInEnabled = true;
  bool bannerRevealed = false, signedInViewShown = false;
  std::uint32_t pollInterval = 0;
  int closeRequests = 0;
  MessageAnswer nextAnswer = MessageAnswer::Yes;
  std::vector<std::string> messages;  // "caption|text|kind"
  std::vector<std::string> channelAddresses, bannerAddresses, shellOpened;
  std::vector<std::string> actions;

  std::string UserNumberText() override { return userNumber; }
  std::string PasswordText() override { return password; }
  void SetUserNumberText(const std::string& text) override;
  bool IsSaveNumberTicked() override { return saveNumberTicked; }
  bool IsAutoSignInTicked() override { return autoSignInTicked; }
  void TickSaveNumber() override;
  void TickAutoSignIn() override;
  void SetStatusText(const std::string& text) override;
  void SetSignInEnabled(bool enabled) override;
  MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                               MessageKind kind) override;
  void NavigateChannel(const std::string& address) override;
  std::string ReadReplyText() override { return replyText; }
  void NavigateBanner(const std::string& address) override;
  void RevealBanner() override;
  void SetPollInterval(std::uint32_t milliseconds) override;
  void ShellOpen(const std::string& address) override;
  void RequestClose() override;
  void ShowSignedInView() override;
};

// An in-memory key: names without regard to letter case; can be made to
// refuse opening, refuse writes, or hold a value that is not text.
class FakeSettingsStore : public SettingsStore {
 public:
  struct Value {
    std::string name;  // as last written
    StoredValue value;
  };
  bool canOpen = true;
  bool canWrite = true;
  int opens = 0;
  std::map<std::string, Value> values;  // key: lower-case name

  std::unique_ptr<SettingsSection> Open() override;
  void Put(std::string_view name, std::string_view text);
  void PutNotText(std::string_view name);
  // The text stored under the name, or "<absent>".
  std::string Get(std::string_view name) const;
};

}  // namespace lanque::testing
