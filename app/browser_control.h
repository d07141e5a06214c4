#pragma once
// The embedded browser as a control of a form: a container window in
// which the chosen browser engine lives. The engine (the system control, or
// the page engine where the system has no HTML engine) is made soon after
// the first navigation is asked for, once the windows waiting to be painted
// have painted, and follows the container's size.
#include <functional>
#include <memory>

#include "browser/web_browser.h"
#include "framework/timer.h"
#include "framework/win_control.h"

// Initialises the component-object runtime of this thread for the owner's lifetime.
class TOleRuntime {
 public:
  TOleRuntime();
  TOleRuntime(const TOleRuntime&) = delete;
  TOleRuntime& operator=(const TOleRuntime&) = delete;
  ~TOleRuntime();

 private:
  bool FInitialised;
};

using TDocumentCompleteEvent =
    std::function<void(TComponent* Sender, BrowserObjectId Browser, const std::wstring& Address)>;

class TCppWebBrowser : public TWinControl {
 public:
  explicit TCppWebBrowser(TComponent* AOwner);
  ~TCppWebBrowser() override;

  void Navigate(const std::wstring& Address);
  // None before a document has loaded.
  std::unique_ptr<WebDocument> GetDocument();
  bool GetBusy() const;
  std::shared_ptr<WebActiveObject> GetApplication();
  // The engine's own browser object: document-complete events carrying it
  // are those of the top-level document.
  BrowserObjectId GetDefaultInterface() const;
  // The engine, or nullptr before the first navigation has started.
  WebBrowser* GetEngine() const { return FEngine.get(); }

  // While signed in, a page's scripts keep its INPUT values current; an
  // engine that runs no scripts is asked to refresh them at this interval
  // (0: never).
  void SetInputRefreshInterval(unsigned Milliseconds);

  TDocumentCompleteEvent OnDocumentComplete;

  // Makes the engines of browsers created from now on (tests script the
  // browser this way); an empty factory restores the real engines.
  using TEngineFactory = std::function<std::unique_ptr<WebBrowser>(HWND Container)>;
  static void SetEngineFactory(TEngineFactory Factory);

 private:
  void CreateEngine();
  void CheckPageInputs();
  void StartEngine();

  std::unique_ptr<TOleRuntime> FOle;
  std::unique_ptr<TTimer> FEngineStart;  // runs while the first navigation waits
  std::wstring FPendingAddress;
  std::unique_ptr<WebBrowser> FEngine;
  std::unique_ptr<TTimer> FInputRefresh;
};
