// CreateWebBrowser: the system control first; the page engine when the
// control cannot be created or turns out to have no HTML engine.
#include "browser/deadline_timer.h"
#include "browser/page_engine.h"
#include "browser/system_engine.h"
#include "browser/web_browser.h"

#include "browser/com_ptr.h"

namespace {

// The system's HTML document object (its class id; not in MinGW's libraries).
constexpr CLSID kHtmlDocumentClass = {
    0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

// Whether a navigation error comes from a control without an HTML engine:
// the document object could not be created (INET_E_CANNOT_INSTANTIATE_OBJECT)
// or its class is not registered, or another failure (an unreachable service, say) where no HTML document
// object can be made at all, so the control could never show even its own
// error page.
bool MeansNoHtmlEngine(HRESULT status) {
  if (status == static_cast<HRESULT>(0x800C0010L) || status == REGDB_E_CLASSNOTREG) return true;
  ComPtr<IUnknown> document;
  return FAILED(CoCreateInstance(kHtmlDocumentClass, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_PPV_ARGS(document.Put())));
}

// Starts on the system control and moves to the page engine, re-issuing
// the navigation, when the first navigation fails for want of an HTML
// engine, or brings no document within the page deadline (a service that
// never answers, or redirects without end). The failed control is stopped
// and hidden at once and destroyed later, outside its own event.
class FallbackWebBrowser final : public WebBrowser {
public:
  FallbackWebBrowser(HWND container, std::unique_ptr<SystemBrowserEngine> system,
                     HttpTimeouts timeouts)
      : container_(container), system_(std::move(system)), timeouts_(timeouts),
        firstDeadline_([this] {
          if (!documentSeen_ && !page_) FallBack();
        }) {
    system_->SetOnDocumentComplete([this](BrowserObjectId browser, const std::wstring& address) {
      documentSeen_ = true;
      firstDeadline_.Stop();
      RaiseDocumentComplete(browser, address);
    });
    system_->SetOnNavigateError([this](const std::wstring&, HRESULT status) {
      if (!documentSeen_ && !page_ && MeansNoHtmlEngine(status)) FallBack();
    });
  }

  void Navigate(const std::wstring& address) override {
    lastAddress_ = address;
    if (!documentSeen_ && !page_ && !firstDeadline_.Running())
      firstDeadline_.Start(static_cast<unsigned>(timeouts_.pageMs));
    Active().Navigate(address);
  }
  std::unique_ptr<WebDocument> Document() override { return Active().Document(); }
  bool Busy() const override { return Active().Busy(); }
  std::shared_ptr<WebActiveObject> Application() override { return Active().Application(); }
  BrowserObjectId BrowserObject() const override { return Active().BrowserObject(); }
  void RefreshInputValues(std::function<void(bool)> done) override {
    Active().RefreshInputValues(std::move(done));
  }

private:
  WebBrowser& Active() const {
    return page_ ? static_cast<WebBrowser&>(*page_) : static_cast<WebBrowser&>(*system_);
  }

  void FallBack() {
    firstDeadline_.Stop();
    system_->SetOnDocumentComplete(nullptr);
    system_->Stop();
    system_->Hide();
    page_ = std::make_unique<PageBrowserEngine>(container_, timeouts_);
    page_->SetOnDocumentComplete([this](BrowserObjectId browser, const std::wstring& address) {
      system_.reset();
      RaiseDocumentComplete(browser, address);
    });
    page_->Navigate(lastAddress_);
  }

  HWND container_;
  std::unique_ptr<SystemBrowserEngine> system_;
  std::unique_ptr<PageBrowserEngine> page_;
  HttpTimeouts timeouts_;
  DeadlineTimer firstDeadline_;
  std::wstring lastAddress_;
  bool documentSeen_ = false;
};

}  // namespace

std::unique_ptr<WebBrowser> CreateWebBrowser(HWND container, BrowserEngineKind kind,
                                             const HttpTimeouts& timeouts) {
  if (kind != BrowserEngineKind::Page) {
    SetBrowserEmulationForThisProgram();
    if (auto system = SystemBrowserEngine::Create(container)) {
      if (kind == BrowserEngineKind::System) return system;
      return std::make_unique<FallbackWebBrowser>(container, std::move(system), timeouts);
    }
  }
  return std::make_unique<PageBrowserEngine>(container, timeouts);
}
