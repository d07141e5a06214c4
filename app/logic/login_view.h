// What the sign-in logic needs from the login window. The Win32 window
// implements it over its controls, its two browsers and the shell.
//
// Every text crossing this interface is UTF-8. The window converts to and from
// UTF-16 for its controls and browsers; addresses are ASCII when they were built
// here (query values are percent-encoded) and passed on as received otherwise.
#pragma once

#include <cstdint>
#include <string>

namespace lanque {

enum class MessageKind {
  Simple,       // OK button, no icon, the application's title as caption
  Information,  // OK button, information icon
  YesNo,        // Yes and No buttons
};

enum class MessageAnswer { Ok, Yes, No };

class LoginView {
 public:
  virtual ~LoginView() = default;

  // Fields and check boxes of the login screen.
  virtual std::string UserNumberText() = 0;  // sEdit1, exactly as typed
  virtual std::string PasswordText() = 0;    // sEdit2, exactly as typed
  virtual void SetUserNumberText(const std::string& text) = 0;
  virtual bool IsSaveNumberTicked() = 0;  // sCheckBox1 "保存号码"
  virtual bool IsAutoSignInTicked() = 0;  // sCheckBox2 "自动登陆"
  virtual void TickSaveNumber() = 0;
  virtual void TickAutoSignIn() = 0;
  virtual void SetStatusText(const std::string& text) = 0;  // sLabel3
  virtual void SetSignInEnabled(bool enabled) = 0;          // sBitBtn1

  // A modal message box owned by the application. An empty caption means the
  // application's title.
  virtual MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                                       MessageKind kind) = 0;

  // The service channel, CppWebBrowser1: plain navigation (no flags, frame,
  // post data or headers) and the text of the loaded page (the body's outer
  // text; empty without a document).
  virtual void NavigateChannel(const std::string& address) = 0;
  virtual std::string ReadReplyText() = 0;

  // The banner browser, CppWebBrowser2.
  virtual void NavigateBanner(const std::string& address) = 0;
  virtual void RevealBanner() = 0;  // widen it to 289 and hide Image1

  virtual void SetPollInterval(std::uint32_t milliseconds) = 0;  // Timer1
  virtual void ShellOpen(const std::string& address) = 0;  // verb "open", SW_SHOW, window as owner
  virtual void RequestClose() = 0;      // goes through the close query
  virtual void ShowSignedInView() = 0;  // the maximised page view
};

}  // namespace lanque
