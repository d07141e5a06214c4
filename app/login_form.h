#pragma once
// The login window: asks for the user number and password, signs in through
// the service channel, and then becomes the maximised view of the service's
// web application, living on in the notification area.
#include <memory>
#include <string>

#include "app/browser_control.h"
#include "app/logic/login_controller.h"
#include "app/settings/account_stores.h"
#include "framework/app_events.h"
#include "framework/form.h"
#include "framework/image.h"
#include "framework/image_list.h"
#include "framework/menus.h"
#include "framework/timer.h"
#include "skin/controls/basic/checkbox.h"
#include "skin/controls/basic/edit.h"
#include "skin/controls/basic/label.h"
#include "skin/controls/buttons/skinned_bit_btn.h"
#include "skin/forms/skin_provider.h"
#include "skin/win/skin_manager.h"
#include "tray/tray_icon.h"

class TForm1 : public TForm, private lanque::LoginView {
 public:
  explicit TForm1(TComponent* AOwner);
  ~TForm1() override;

  // The window's state fields, shared with the sign-in logic.
  lanque::LoginState& State() { return FController->State(); }

  TImage* Image1 = nullptr;
  TCppWebBrowser* CppWebBrowser2 = nullptr;
  TsLabel* sLabel1 = nullptr;
  TsLabel* sLabel2 = nullptr;
  TCppWebBrowser* CppWebBrowser1 = nullptr;
  TsEdit* sEdit1 = nullptr;
  TsEdit* sEdit2 = nullptr;
  TsCheckBox* sCheckBox1 = nullptr;
  TsCheckBox* sCheckBox2 = nullptr;
  TsBitBtn* sBitBtn1 = nullptr;
  TsLabel* sLabel3 = nullptr;
  TTimer* Timer1 = nullptr;
  TTimer* Timer2 = nullptr;
  TTrayIcon* TrayIcon1 = nullptr;
  TImageList* ImageList1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* N1 = nullptr;
  TMenuItem* N3 = nullptr;
  TMenuItem* N2 = nullptr;
  TApplicationEvents* ApplicationEvents1 = nullptr;
  TsSkinManager* sSkinManager1 = nullptr;
  TsSkinProvider* sSkinProvider1 = nullptr;

  void FormCreate(TComponent* Sender);
  void FormCloseQuery(TComponent* Sender, bool& CanClose);
  void sBitBtn1Click(TComponent* Sender);
  void CppWebBrowser1DocumentComplete(TComponent* Sender, BrowserObjectId Browser, const std::wstring& Address);
  void CppWebBrowser2DocumentComplete(TComponent* Sender, BrowserObjectId Browser, const std::wstring& Address);
  void N1Click(TComponent* Sender);
  void N3Click(TComponent* Sender);
  void N2Click(TComponent* Sender);
  void Timer1Timer(TComponent* Sender);
  void Timer2Timer(TComponent* Sender);
  void ApplicationEvents1Minimize(TComponent* Sender);
  void ApplicationEvents1Message(MSG& Msg, bool& Handled);
  void TrayIcon1Minimize(TComponent* Sender);
  void TrayIcon1Restore(TComponent* Sender);

  // Shows a message box owned by the window and returns the button chosen
  // (MessageBoxW; tests answer in its place).
  std::function<int(HWND Owner, const std::wstring& Text, const std::wstring& Caption, UINT Flags)> MessageBoxProc;
  // Hands an address to the shell's "open" (ShellExecuteW; tests record in its place).
  std::function<void(HWND Owner, const std::wstring& Address)> ShellOpenProc;

  // The browser's in-place active object, obtained once by the keyboard filter.
  std::shared_ptr<WebActiveObject> ActiveObject;

 private:
  // Builds the window and its components as the stored layout describes them.
  void BuildLayout();
  void CentreOnScreen();

  // lanque::LoginView
  std::string UserNumberText() override;
  std::string PasswordText() override;
  void SetUserNumberText(const std::string& text) override;
  bool IsSaveNumberTicked() override;
  bool IsAutoSignInTicked() override;
  void TickSaveNumber() override;
  void TickAutoSignIn() override;
  void SetStatusText(const std::string& text) override;
  void SetSignInEnabled(bool enabled) override;
  lanque::MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                                       lanque::MessageKind kind) override;
  void NavigateChannel(const std::string& address) override;
  std::string ReadReplyText() override;
  void NavigateBanner(const std::string& address) override;
  void RevealBanner() override;
  void SetPollInterval(std::uint32_t milliseconds) override;
  void ShellOpen(const std::string& address) override;
  void RequestClose() override;
  void ShowSignedInView() override;

  std::unique_ptr<TOleRuntime> FOle;
  std::unique_ptr<lanque::AccountStores> FStores;
  std::unique_ptr<lanque::LoginController> FController;
};
