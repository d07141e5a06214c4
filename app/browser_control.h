#pragma once
// The embedded browser as a control of a form: a container window in
// which the chosen browser engine lives. The engine (the system control, or
// the page engine where the system has no HTML engine) is made on the first
// navigation and follows the container's size.
#include <functional>
#include <memory>

#include "browser/web_browser.h"
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
  // The engine, or nullptr before the first navigation.
  WebBrowser* GetEngine() const { return FEngine.get(); }

  TDocumentCompleteEvent OnDocumentComplete;

 private:
  void CreateEngine();

  std::unique_ptr<TOleRuntime> FOle;
  std::unique_ptr<WebBrowser> FEngine;
};
