#include "app/browser_control.h"

#include <ole2.h>

TOleRuntime::TOleRuntime() : FInitialised(SUCCEEDED(OleInitialize(nullptr))) {}

TOleRuntime::~TOleRuntime() {
  if (FInitialised) OleUninitialize();
}

namespace {
TCppWebBrowser::TEngineFactory& EngineFactory() {
  static TCppWebBrowser::TEngineFactory factory;
  return factory;
}
}  // namespace

void TCppWebBrowser::SetEngineFactory(TEngineFactory Factory) { EngineFactory() = std::move(Factory); }

TCppWebBrowser::TCppWebBrowser(TComponent* AOwner) : TWinControl(AOwner) {}

TCppWebBrowser::~TCppWebBrowser() {
  FEngineStart.reset();
  FInputRefresh.reset();
  FEngine.reset();  // before the container window goes
}

void TCppWebBrowser::SetInputRefreshInterval(unsigned Milliseconds) {
  if (Milliseconds == 0) {
    FInputRefresh.reset();
    return;
  }
  if (!FInputRefresh) {
    FInputRefresh = std::make_unique<TTimer>(nullptr);
    FInputRefresh->OnTimer = [this](TComponent*) { CheckPageInputs(); };
  }
  FInputRefresh->SetInterval(Milliseconds);
}

// One check at a time, however long it takes: the period runs again from
// its end, so a slow check is never overtaken and dropped by the next.
void TCppWebBrowser::CheckPageInputs() {
  if (!FEngine || FEngine->Busy()) return;
  FInputRefresh->SetEnabled(false);
  FEngine->RefreshInputValues([this](bool) {
    if (FInputRefresh) FInputRefresh->SetEnabled(true);
  });
}

void TCppWebBrowser::CreateEngine() {
  HWND container = GetHandle();
  if (!container) return;
  FOle = std::make_unique<TOleRuntime>();
  FEngine = EngineFactory() ? EngineFactory()(container)
                            : CreateWebBrowser(container, ParseBrowserEngineSwitch(GetCommandLineW()),
                                               ParseTimeoutSwitch(GetCommandLineW()));
  FEngine->SetOnDocumentComplete([this](BrowserObjectId Browser, const std::wstring& Address) {
    if (OnDocumentComplete) OnDocumentComplete(this, Browser, Address);
  });
}

void TCppWebBrowser::Navigate(const std::wstring& Address) {
  if (FEngine) return FEngine->Navigate(Address);
  // The engine's libraries and objects take a while to make: the window
  // paints first. A timer's tick comes only when no window of the thread
  // waits to be painted.
  FPendingAddress = Address;
  if (!FEngineStart) {
    FEngineStart = std::make_unique<TTimer>(nullptr);
    FEngineStart->SetInterval(USER_TIMER_MINIMUM);
    FEngineStart->OnTimer = [this](TComponent*) { StartEngine(); };
  }
  FEngineStart->SetEnabled(true);
}

void TCppWebBrowser::StartEngine() {
  FEngineStart->SetEnabled(false);
  if (!FEngine) CreateEngine();
  if (FEngine) FEngine->Navigate(FPendingAddress);
}

std::unique_ptr<WebDocument> TCppWebBrowser::GetDocument() {
  return FEngine ? FEngine->Document() : nullptr;
}

bool TCppWebBrowser::GetBusy() const {
  return FEngine ? FEngine->Busy() : FEngineStart && FEngineStart->GetEnabled();
}

std::shared_ptr<WebActiveObject> TCppWebBrowser::GetApplication() {
  return FEngine ? FEngine->Application() : nullptr;
}

BrowserObjectId TCppWebBrowser::GetDefaultInterface() const {
  return FEngine ? FEngine->BrowserObject() : nullptr;
}
