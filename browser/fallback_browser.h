// The automatic engine: the system control, and the page engine in its place
// when the control turns out to have no HTML engine or its first navigation
// brings no document within the page deadline.
#pragma once

#include "browser/deadline_timer.h"
#include "browser/page_engine.h"
#include "browser/system_engine.h"

#include <functional>
#include <memory>
#include <string>

// Whether the system can make HTML document objects at all.
bool SystemHasHtmlEngine();

// Starts on the system control and moves to the page engine, re-issuing the
// navigation, when the first navigation fails for want of an HTML engine, or
// brings no document within the page deadline (a service that never answers,
// or redirects without end). Without an HTML engine the control is never
// sent anywhere: it could show nothing, and a control without its engine
// (Wine's) follows a redirect loop without end, even after it is destroyed.
// The failed control is stopped and hidden at once and destroyed later,
// outside its own event.
class FallbackWebBrowser final : public WebBrowser {
public:
  FallbackWebBrowser(HWND container, std::unique_ptr<SystemBrowserEngine> system, HttpTimeouts timeouts,
                     std::function<bool()> hasHtmlEngine = SystemHasHtmlEngine);

  void Navigate(const std::wstring& address) override;
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
  bool OnFirstNavigation() const { return !documentSeen_ && !page_; }
  void FallBack();

  HWND container_;
  std::unique_ptr<SystemBrowserEngine> system_;
  std::unique_ptr<PageBrowserEngine> page_;
  HttpTimeouts timeouts_;
  std::function<bool()> hasHtmlEngine_;
  DeadlineTimer firstDeadline_;
  std::wstring lastAddress_;
  bool documentSeen_ = false;
};
