#include "browser/browser_site.h"

#include <exdisp.h>
#include <exdispid.h>

namespace {

// An event argument, looking through VT_BYREF VARIANTs.
const VARIANT& Argument(const DISPPARAMS* parameters, unsigned fromLast) {
  const VARIANT& raw = parameters->rgvarg[fromLast];
  if (raw.vt == (VT_VARIANT | VT_BYREF) && raw.pvarVal) return *raw.pvarVal;
  return raw;
}

std::wstring TextOf(const VARIANT& value) {
  if (value.vt == VT_BSTR && value.bstrVal) return value.bstrVal;
  if (value.vt == (VT_BSTR | VT_BYREF) && value.pbstrVal && *value.pbstrVal)
    return *value.pbstrVal;
  return {};
}

IDispatch* DispatchOf(const VARIANT& value) {
  return value.vt == VT_DISPATCH ? value.pdispVal : nullptr;
}

}  // namespace

BrowserSite::BrowserSite(HWND container, Events events)
    : container_(container), events_(std::move(events)) {
  ++live_;
}

BrowserSite::~BrowserSite() { --live_; }

STDMETHODIMP BrowserSite::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite)
    *object = static_cast<IOleClientSite*>(this);
  else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
    *object = static_cast<IOleInPlaceSite*>(this);
  else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2)
    *object = static_cast<IDispatch*>(this);
  if (!*object) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) BrowserSite::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) BrowserSite::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP BrowserSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP BrowserSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = container_;
  return S_OK;
}

STDMETHODIMP BrowserSite::GetWindowContext(IOleInPlaceFrame** frame,
                                           IOleInPlaceUIWindow** document, LPRECT position,
                                           LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo) {
  if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
  *frame = new BrowserFrame(GetAncestor(container_, GA_ROOT));
  *document = nullptr;
  GetClientRect(container_, position);
  *clip = *position;
  frameInfo->fMDIApp = FALSE;
  frameInfo->hwndFrame = GetAncestor(container_, GA_ROOT);
  frameInfo->haccel = nullptr;
  frameInfo->cAccelEntries = 0;
  return S_OK;
}

STDMETHODIMP BrowserFrame::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceUIWindow ||
      iid == IID_IOleInPlaceFrame)
    *object = static_cast<IOleInPlaceFrame*>(this);
  if (!*object) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) BrowserFrame::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP BrowserFrame::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = window_;
  return S_OK;
}

STDMETHODIMP BrowserSite::OnPosRectChange(LPCRECT position) {
  if (position && events_.positionChanged) events_.positionChanged(*position);
  return S_OK;
}

STDMETHODIMP BrowserSite::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

STDMETHODIMP BrowserSite::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                 VARIANT*, EXCEPINFO*, UINT*) {
  if (!parameters) return S_OK;
  // The handlers may replace the events (the owner detaching): call copies.
  if (member == DISPID_DOCUMENTCOMPLETE && parameters->cArgs >= 2) {
    if (auto handler = events_.documentComplete)
      handler(DispatchOf(Argument(parameters, 1)), TextOf(Argument(parameters, 0)));
  } else if (member == DISPID_NAVIGATEERROR && parameters->cArgs >= 5) {
    const VARIANT& status = Argument(parameters, 1);
    HRESULT code = status.vt == VT_I4 ? status.lVal : E_FAIL;
    if (auto handler = events_.navigateError)
      handler(DispatchOf(Argument(parameters, 4)), TextOf(Argument(parameters, 3)), code);
  }
  return S_OK;
}
