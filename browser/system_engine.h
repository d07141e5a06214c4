// The system WebBrowser control hosted in the container window.
#pragma once

#include <exdisp.h>

#include "base/com_ptr_win.h"
#include "browser/browser_site.h"
#include "browser/container_fit.h"
#include "browser/web_browser.h"

#include <functional>
#include <memory>

class SystemBrowserEngine final : public WebBrowser {
public:
  using NavigateErrorHandler = std::function<void(const std::wstring& address, HRESULT status)>;

  // None when the control cannot be created or activated.
  static std::unique_ptr<SystemBrowserEngine> Create(HWND container);
  ~SystemBrowserEngine() override;

  void Navigate(const std::wstring& address) override;
  std::unique_ptr<WebDocument> Document() override;
  bool Busy() const override;
  std::shared_ptr<WebActiveObject> Application() override;
  BrowserObjectId BrowserObject() const override { return identity_.Get(); }

  // Raised when the top-level navigation fails.
  void SetOnNavigateError(NavigateErrorHandler handler) { onNavigateError_ = std::move(handler); }
  // Hides the control's window (safe inside the control's own events).
  void Hide();
  // Ends the navigation on its way (a redirect loop, say).
  void Stop();

private:
  explicit SystemBrowserEngine(HWND container);
  bool Start();
  bool IsTopLevel(IDispatch* browser) const;
  void Fit(const RECT& area);

  HWND container_;
  ComPtr<BrowserSite> site_;
  ComPtr<IOleObject> oleObject_;
  ComPtr<IOleInPlaceObject> inPlaceObject_;
  ComPtr<IWebBrowser2> webBrowser_;
  ComPtr<IUnknown> identity_;
  ComPtr<IConnectionPoint> eventPoint_;
  DWORD eventCookie_ = 0;
  std::unique_ptr<ContainerFit> fit_;
  NavigateErrorHandler onNavigateError_;
};

// Makes pages of this program render in the current standards mode of the
// system control (the per-program browser-emulation setting of the user).
void SetBrowserEmulationForThisProgram();
