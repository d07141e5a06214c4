#include "browser/system_engine.h"

#include "browser/late_binding.h"

#include <mshtml.h>
#include <ocidl.h>


namespace {

class SystemElement final : public WebElement {
public:
  explicit SystemElement(ComPtr<IDispatch> element) : element_(std::move(element)) {}
  std::wstring TagName() const override { return Text(L"tagName"); }
  std::wstring Id() const override { return Text(L"id"); }
  std::wstring Value() const override { return Text(L"Value"); }
  void SetValue(const std::wstring& value) override {
    PutDispatchText(element_.Get(), L"Value", value);
  }

private:
  std::wstring Text(const wchar_t* name) const {
    OwnedVariant value;
    return SUCCEEDED(GetDispatchProperty(element_.Get(), name, value)) ? value.Text()
                                                                       : std::wstring();
  }
  ComPtr<IDispatch> element_;
};

class SystemDocument final : public WebDocument {
public:
  explicit SystemDocument(ComPtr<IHTMLDocument2> document) : document_(std::move(document)) {
    OwnedVariant all;
    if (SUCCEEDED(GetDispatchProperty(document_.Get(), L"all", all)))
      all_.Attach(all.DetachDispatch());
  }
  std::wstring BodyOuterText() const override {
    ComPtr<IHTMLElement> body;
    BSTR text = nullptr;
    if (FAILED(document_->get_body(body.Put())) || !body || FAILED(body->get_outerText(&text)))
      return {};
    std::wstring result(text ? text : L"", SysStringLen(text));  // whole, NULs included
    SysFreeString(text);
    return result;
  }
  long AllLength() const override {
    OwnedVariant length;
    return SUCCEEDED(GetDispatchProperty(all_.Get(), L"length", length)) ? length.Integer() : 0;
  }
  std::unique_ptr<WebElement> AllItem(long index) const override {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = index;
    OwnedVariant item;
    if (FAILED(CallDispatchMethod(all_.Get(), L"item", &argument, 1, item))) return nullptr;
    ComPtr<IDispatch> element;
    element.Attach(item.DetachDispatch());
    if (!element) return nullptr;
    return std::make_unique<SystemElement>(std::move(element));
  }

private:
  ComPtr<IHTMLDocument2> document_;
  ComPtr<IDispatch> all_;
};

class SystemActiveObject final : public WebActiveObject {
public:
  explicit SystemActiveObject(ComPtr<IOleInPlaceActiveObject> object)
      : object_(std::move(object)) {}
  void TranslateAccelerator(MSG& message) override { object_->TranslateAccelerator(&message); }

private:
  ComPtr<IOleInPlaceActiveObject> object_;
};

}  // namespace

void SetBrowserEmulationForThisProgram() {
  wchar_t path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const wchar_t* name = path;
  for (const wchar_t* at = path; *at; ++at)
    if (*at == L'\\' || *at == L'/') name = at + 1;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER,
                      L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\"
                      L"FEATURE_BROWSER_EMULATION",
                      0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  DWORD mode = 11001;  // the newest standards mode, even without a document type
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mode), sizeof(mode));
  RegCloseKey(key);
}

SystemBrowserEngine::SystemBrowserEngine(HWND container) : container_(container) {}

std::unique_ptr<SystemBrowserEngine> SystemBrowserEngine::Create(HWND container) {
  std::unique_ptr<SystemBrowserEngine> engine(new SystemBrowserEngine(container));
  if (!engine->Start()) return nullptr;
  return engine;
}

bool SystemBrowserEngine::Start() {
  BrowserSite::Events events;
  events.documentComplete = [this](IDispatch* browser, const std::wstring& address) {
    if (IsTopLevel(browser)) RaiseDocumentComplete(BrowserObject(), address);
    else RaiseDocumentComplete(browser, address);
  };
  events.navigateError = [this](IDispatch* browser, const std::wstring& address, HRESULT status) {
    if (auto handler = onNavigateError_; handler && IsTopLevel(browser)) handler(address, status);
  };
  events.positionChanged = [this](const RECT& position) {
    if (inPlaceObject_) inPlaceObject_->SetObjectRects(&position, &position);
  };
  site_.Attach(new BrowserSite(container_, std::move(events)));

  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(oleObject_.Put()))))
    return false;
  if (FAILED(oleObject_->SetClientSite(static_cast<IOleClientSite*>(site_.Get()))) ||
      FAILED(oleObject_.As(webBrowser_)) || FAILED(oleObject_.As(identity_)))
    return false;
  RECT area{};
  GetClientRect(container_, &area);
  if (FAILED(oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                static_cast<IOleClientSite*>(site_.Get()), 0, container_,
                                &area)))
    return false;
  oleObject_.As(inPlaceObject_);

  ComPtr<IConnectionPointContainer> points;
  if (FAILED(oleObject_.As(points)) ||
      FAILED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, eventPoint_.Put())) ||
      FAILED(eventPoint_->Advise(static_cast<IDispatch*>(site_.Get()), &eventCookie_))) {
    eventPoint_.Reset();
    return false;
  }
  webBrowser_->put_Silent(VARIANT_TRUE);
  fit_ = std::make_unique<ContainerFit>(container_, [this](const RECT& client) { Fit(client); });
  return true;
}

SystemBrowserEngine::~SystemBrowserEngine() {
  fit_.reset();
  if (eventPoint_) eventPoint_->Unadvise(eventCookie_);
  eventPoint_.Reset();
  if (inPlaceObject_) inPlaceObject_->InPlaceDeactivate();
  if (oleObject_) {
    oleObject_->Close(OLECLOSE_NOSAVE);
    oleObject_->SetClientSite(nullptr);
  }
  inPlaceObject_.Reset();
  webBrowser_.Reset();
  identity_.Reset();
  oleObject_.Reset();
  site_->Detach();
}

void SystemBrowserEngine::Fit(const RECT& area) {
  if (inPlaceObject_) inPlaceObject_->SetObjectRects(&area, &area);
}

void SystemBrowserEngine::Hide() {
  HWND window = nullptr;
  if (inPlaceObject_ && SUCCEEDED(inPlaceObject_->GetWindow(&window)) && window)
    ShowWindow(window, SW_HIDE);
}

void SystemBrowserEngine::Stop() { webBrowser_->Stop(); }

bool SystemBrowserEngine::IsTopLevel(IDispatch* browser) const {
  if (!browser) return false;
  ComPtr<IUnknown> identity;
  return SUCCEEDED(browser->QueryInterface(IID_PPV_ARGS(identity.Put()))) && identity == identity_;
}

void SystemBrowserEngine::Navigate(const std::wstring& address) {
  BSTR url = SysAllocStringLen(address.data(), static_cast<UINT>(address.size()));
  VARIANT empty;
  VariantInit(&empty);
  webBrowser_->Navigate(url, &empty, &empty, &empty, &empty);
  SysFreeString(url);
}

std::unique_ptr<WebDocument> SystemBrowserEngine::Document() {
  ComPtr<IDispatch> document;
  if (FAILED(webBrowser_->get_Document(document.Put())) || !document) return nullptr;
  ComPtr<IHTMLDocument2> html;
  if (FAILED(document.As(html))) return nullptr;
  return std::make_unique<SystemDocument>(std::move(html));
}

bool SystemBrowserEngine::Busy() const {
  VARIANT_BOOL busy = VARIANT_FALSE;
  return SUCCEEDED(webBrowser_->get_Busy(&busy)) && busy == VARIANT_TRUE;
}

std::shared_ptr<WebActiveObject> SystemBrowserEngine::Application() {
  ComPtr<IDispatch> application;
  ComPtr<IOleInPlaceActiveObject> active;
  if (FAILED(webBrowser_->get_Application(application.Put())) || !application ||
      FAILED(application.As(active)))
    return nullptr;
  return std::make_shared<SystemActiveObject>(std::move(active));
}
