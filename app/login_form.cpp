#include "app/login_form.h"

#include <shellapi.h>

#include <ctime>

#include "app/page_input.h"
#include "framework/application.h"
#include "framework/screen.h"
#include "framework/text.h"

namespace {

constexpr unsigned kPageValuesRefreshMs = 2000;

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) result.push_back(Utf8FromWide(arguments[i]));
  LocalFree(arguments);
  return result;
}

lanque::LoginEnvironment MakeEnvironment() {
  lanque::LoginEnvironment environment;
  environment.serviceBaseUrl =
      lanque::ChooseServiceBaseUrl(CommandLineArguments(), lanque::ConfiguredServiceBaseUrl());
  environment.toSystemCodePage = [](std::string_view text) { return AnsiFromWide(WideFromUtf8(text)); };
  environment.unixTime = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
  return environment;
}

}  // namespace

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
  MessageBoxProc = [](HWND Owner, const std::wstring& Text, const std::wstring& Caption, UINT Flags) {
    return MessageBoxW(Owner, Text.c_str(), Caption.c_str(), Flags);
  };
  ShellOpenProc = [](HWND Owner, const std::wstring& Address) {
    ShellExecuteW(Owner, L"open", Address.c_str(), nullptr, nullptr, SW_SHOW);
  };
  FStores = std::make_unique<lanque::AccountStores>();
  FController = std::make_unique<lanque::LoginController>(static_cast<lanque::LoginView&>(*this),
                                                        FStores->InOrder(), MakeEnvironment());
  BuildLayout();
  CppWebBrowser2->SetWidth(0);
  CentreOnScreen();
  TrayIcon1->SetVisible(true);
  // Status "initialising", sign-in disabled, then the parameters request
  // (request tag 1) and the banner page.
  FController->Start();
}

TForm1::~TForm1() = default;

void TForm1::CentreOnScreen() {
  SetBounds((Screen->GetWidth() - GetWidth()) / 2, (Screen->GetHeight() - GetHeight()) / 2, GetWidth(),
            GetHeight());
}

void TForm1::FormCreate(TComponent*) { FOle = std::make_unique<TOleRuntime>(); }

void TForm1::FormCloseQuery(TComponent*, bool& CanClose) { CanClose = FController->QueryClose(); }

void TForm1::sBitBtn1Click(TComponent*) { FController->SignInClick(); }

void TForm1::CppWebBrowser1DocumentComplete(TComponent*, BrowserObjectId Browser, const std::wstring&) {
  // Frames complete too; only the top-level document is a reply.
  if (Browser == CppWebBrowser1->GetDefaultInterface()) FController->OnChannelDocumentComplete();
}

void TForm1::CppWebBrowser2DocumentComplete(TComponent*, BrowserObjectId Browser, const std::wstring&) {
  if (Browser == CppWebBrowser2->GetDefaultInterface()) FController->OnBannerDocumentComplete();
}

void TForm1::N1Click(TComponent*) { FController->ExitFromMenu(); }

void TForm1::N3Click(TComponent*) { FController->CancelAutoSignIn(); }

void TForm1::N2Click(TComponent*) {
  const std::wstring text = L"蓝鹊商务版 " + WideFromUtf8(State().ClientVersion) +
                            L"\n\n企业短信的桌面客户端。\n版权所有 (C) 蓝鹊商务版开发团队，保留一切权利。";
  MessageBoxProc(GetHandle(), text, L"关于蓝鹊商务版", MB_OK | MB_ICONINFORMATION);
}

std::string TForm1::UserNumberText() { return Utf8FromWide(sEdit1->GetText()); }
std::string TForm1::PasswordText() { return Utf8FromWide(sEdit2->GetText()); }
void TForm1::SetUserNumberText(const std::string& text) { sEdit1->SetText(WideFromUtf8(text)); }
bool TForm1::IsSaveNumberTicked() { return sCheckBox1->GetChecked(); }
bool TForm1::IsAutoSignInTicked() { return sCheckBox2->GetChecked(); }
void TForm1::TickSaveNumber() { sCheckBox1->SetChecked(true); }
void TForm1::TickAutoSignIn() { sCheckBox2->SetChecked(true); }
void TForm1::SetStatusText(const std::string& text) { sLabel3->SetCaption(WideFromUtf8(text)); }
void TForm1::SetSignInEnabled(bool enabled) { sBitBtn1->SetEnabled(enabled); }

lanque::MessageAnswer TForm1::ShowMessageBox(const std::string& text, const std::string& caption,
                                             lanque::MessageKind kind) {
  UINT flags = MB_OK;
  if (kind == lanque::MessageKind::Information) flags = MB_OK | MB_ICONINFORMATION;
  if (kind == lanque::MessageKind::YesNo) flags = MB_YESNO;
  const std::wstring title = caption.empty() ? Application->GetTitle() : WideFromUtf8(caption);
  const int answer = MessageBoxProc(GetHandle(), WideFromUtf8(text), title, flags);
  if (kind != lanque::MessageKind::YesNo) return lanque::MessageAnswer::Ok;
  return answer == IDYES ? lanque::MessageAnswer::Yes : lanque::MessageAnswer::No;
}

void TForm1::NavigateChannel(const std::string& address) { CppWebBrowser1->Navigate(WideFromUtf8(address)); }

std::string TForm1::ReadReplyText() {
  const auto document = CppWebBrowser1->GetDocument();
  return document ? Utf8FromWide(document->BodyOuterText()) : std::string();
}

void TForm1::NavigateBanner(const std::string& address) { CppWebBrowser2->Navigate(WideFromUtf8(address)); }

void TForm1::RevealBanner() {
  CppWebBrowser2->SetWidth(289);
  Image1->Hide();
}

void TForm1::SetPollInterval(std::uint32_t milliseconds) { Timer1->SetInterval(milliseconds); }

void TForm1::ShellOpen(const std::string& address) {
  // The shell starts whatever an address names: nothing but a complete web address gets there.
  if (lanque::IsWebAddress(address)) ShellOpenProc(GetHandle(), WideFromUtf8(address));
}

void TForm1::RequestClose() { Close(); }

void TForm1::ShowSignedInView() {
  SetCaption(L"蓝鹊商务版");
  sLabel3->Hide();
  CppWebBrowser2->SetWidth(0);
  for (TControl* control : std::initializer_list<TControl*>{sBitBtn1, sCheckBox1, sCheckBox2, sEdit1, sEdit2,
                                                             sLabel1, sLabel2})
    control->Hide();
  CppWebBrowser1->SetAlign(alClient);
  SetBorderIcons(GetBorderIcons() | biMinimize);
  SetWindowState(wsMaximized);
  Timer2->SetEnabled(true);
  // Where the engine runs no page scripts, fetch the page's INPUT values anew
  // a little more often than the exit watch looks at them.
  CppWebBrowser1->SetInputRefreshInterval(kPageValuesRefreshMs);
}

void TForm1::Timer1Timer(TComponent*) {
  const std::wstring count = ExchangePageInput(CppWebBrowser1->GetDocument().get(), L"client_new_msg", L"0");
  if (count != L"0")
    TrayIcon1->ShowBalloon(L"短信提醒", L"  您有" + count + L"条新短信!\n\n单击此气球查看新短信");
}

void TForm1::Timer2Timer(TComponent*) {
  const std::wstring flag = ExchangePageInput(CppWebBrowser1->GetDocument().get(), L"client_exit", L"0");
  if (flag != L"0") FController->ExitRequestedByPage();
}

void TForm1::ApplicationEvents1Minimize(TComponent*) {
  if (FController->IsSignedIn()) Timer1->SetEnabled(true);
  TrayIcon1->Minimize();
}

void TForm1::TrayIcon1Minimize(TComponent*) {
  // A count raised before minimising is not announced.
  ExchangePageInput(CppWebBrowser1->GetDocument().get(), L"client_new_msg", L"0");
}

void TForm1::TrayIcon1Restore(TComponent*) {
  Timer1->SetEnabled(false);
  TrayIcon1->SetAnimate(false);
  TrayIcon1->ShowBalloon(L"", L"");
  TrayIcon1->SetIconIndex(0);
}

void TForm1::ApplicationEvents1Message(MSG& Msg, bool& Handled) {
  if (!CppWebBrowser1) {
    Handled = false;
    return;
  }
  if (CppWebBrowser1->GetBusy()) return;
  if (!ActiveObject) ActiveObject = CppWebBrowser1->GetApplication();
  if (!ActiveObject) return;
  // Backspace and the left and right arrows reach the page by normal dispatch only.
  const bool isKey = Msg.message == WM_KEYDOWN || Msg.message == WM_KEYUP;
  if (isKey && (Msg.wParam == VK_BACK || Msg.wParam == VK_LEFT || Msg.wParam == VK_RIGHT)) return;
  ActiveObject->TranslateAccelerator(Msg);
}
