#include "skin/win/accessible.h"

#include <oleacc.h>

#include <atomic>

#include "base/com_ptr_win.h"

// Interface identifiers come from __uuidof: MinGW's import library of
// oleacc resolves IID_IAccessible to an import stub, not to the identifier.

namespace {

enum class TKind { Other, PushButton, CheckBox, RadioButton, GroupBox, Edit };

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

TKind KindOf(HWND window) {
  const std::wstring name = ClassOf(window);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (lstrcmpiW(name.c_str(), L"EDIT") == 0) return TKind::Edit;
  if (lstrcmpiW(name.c_str(), L"BUTTON") != 0) return TKind::Other;
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return TKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return TKind::RadioButton;
    case BS_GROUPBOX: return TKind::GroupBox;
    default: return TKind::PushButton;  // push, default push and owner-drawn buttons
  }
}

bool IsPassword(HWND window) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & ES_PASSWORD) || SendMessageW(window, EM_GETPASSWORDCHAR, 0, 0) != 0;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

HRESULT ReturnString(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The object a skinned control hands out. It reads its window on every call,
// so it never goes stale; once the window is gone every call fails.
class TacAccessible final : public IAccessible, public IOleWindow {
 public:
  TacAccessible(HWND window, ComPtr<IAccessible> standard, std::wstring editName)
      : window_(window), standard_(std::move(standard)), editName_(std::move(editName)) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible))
      *out = static_cast<IAccessible*>(this);
    else if (riid == __uuidof(IOleWindow))
      *out = static_cast<IOleWindow*>(this);
    else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
    if (!out) return E_POINTER;
    *out = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IDispatch: screen readers call the interface directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // What the window says of itself.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    if (!IsSelf(child)) return standard_->get_accName(child, out);
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    if (KindOf(window_) == TKind::Edit) return ReturnString(editName_, out);
    return ReturnString(AccessibleNameFromCaption(WindowText(window_)), out);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    if (!IsSelf(child)) return standard_->get_accRole(child, out);
    if (!out) return E_POINTER;
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    long role = 0;
    switch (KindOf(window_)) {
      case TKind::PushButton: role = ROLE_SYSTEM_PUSHBUTTON; break;
      case TKind::CheckBox: role = ROLE_SYSTEM_CHECKBUTTON; break;
      case TKind::RadioButton: role = ROLE_SYSTEM_RADIOBUTTON; break;
      case TKind::GroupBox: role = ROLE_SYSTEM_GROUPING; break;
      case TKind::Edit: role = ROLE_SYSTEM_TEXT; break;
      case TKind::Other: return standard_->get_accRole(child, out);
    }
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = role;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    if (!IsSelf(child)) return standard_->get_accState(child, out);
    if (!out) return E_POINTER;
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    long state = 0;
    if (!IsWindowVisible(window_)) state |= STATE_SYSTEM_INVISIBLE;
    if (!IsWindowEnabled(window_)) {
      state |= STATE_SYSTEM_UNAVAILABLE;
    } else {
      state |= STATE_SYSTEM_FOCUSABLE;
      if (GetFocus() == window_) state |= STATE_SYSTEM_FOCUSED;
    }
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    switch (KindOf(window_)) {
      case TKind::CheckBox:
      case TKind::RadioButton: {
        const LRESULT check = SendMessageW(window_, BM_GETCHECK, 0, 0);
        if (check == BST_CHECKED) state |= STATE_SYSTEM_CHECKED;
        if (check == BST_INDETERMINATE) state |= STATE_SYSTEM_MIXED;
        break;
      }
      case TKind::PushButton:
        if (SendMessageW(window_, BM_GETSTATE, 0, 0) & BST_PUSHED) state |= STATE_SYSTEM_PRESSED;
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) state |= STATE_SYSTEM_DEFAULT;
        break;
      case TKind::Edit:
        if (IsPassword(window_)) state |= STATE_SYSTEM_PROTECTED;
        if (style & ES_READONLY) state |= STATE_SYSTEM_READONLY;
        break;
      default: break;
    }
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = state;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    if (!IsSelf(child)) return standard_->get_accValue(child, out);
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    if (KindOf(window_) != TKind::Edit) return standard_->get_accValue(child, out);
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsPassword(window_)) return E_ACCESSDENIED;  // a password is never read out
    return ReturnString(WindowText(window_), out);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    if (!IsSelf(child)) return standard_->get_accDefaultAction(child, out);
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    switch (KindOf(window_)) {
      case TKind::PushButton: return ReturnString(L"Press", out);
      case TKind::CheckBox:
        return ReturnString(SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"Uncheck" : L"Check", out);
      case TKind::RadioButton: return ReturnString(L"Check", out);
      default: return standard_->get_accDefaultAction(child, out);
    }
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!IsSelf(child)) return standard_->accDoDefaultAction(child);
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    switch (KindOf(window_)) {
      case TKind::PushButton:
      case TKind::CheckBox:
      case TKind::RadioButton:
        if (!IsWindowEnabled(window_)) return E_FAIL;
        // Posted: the caller may be a screen reader waiting on this thread.
        return PostMessageW(window_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
      default: return standard_->accDoDefaultAction(child);
    }
  }

  // Place, navigation and the rest: the system's standard object.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override { return standard_->get_accParent(out); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* out) override { return standard_->get_accChildCount(out); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return standard_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return standard_->get_accDescription(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override { return standard_->get_accHelp(child, out); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return standard_->get_accKeyboardShortcut(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override { return standard_->get_accFocus(out); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return standard_->get_accSelection(out); }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return standard_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
    return standard_->accNavigate(direction, start, out);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    return standard_->accHitTest(x, y, out);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~TacAccessible() = default;

  std::atomic<ULONG> references_{1};
  HWND window_;
  ComPtr<IAccessible> standard_;
  std::wstring editName_;
};

}  // namespace

std::wstring AccessibleNameFromCaption(std::wstring_view Caption) {
  std::wstring name;
  name.reserve(Caption.size());
  for (size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == L'&') {
      if (i + 1 == Caption.size()) break;  // a lone mark at the end
      ++i;                                  // "&x" is x, "&&" is "&"
    }
    name.push_back(Caption[i]);
  }
  return name;
}

bool AnswerGetObject(HWND Window, WPARAM WParam, LPARAM LParam, const std::wstring& EditName, LRESULT& Result) {
  if (static_cast<LONG>(LParam) != OBJID_CLIENT || !IsWindow(Window) || KindOf(Window) == TKind::Other) return false;
  ComPtr<IAccessible> standard;
  if (FAILED(CreateStdAccessibleObject(Window, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(standard.Put()))) ||
      !standard)
    return false;
  ComPtr<IAccessible> object;
  object.Attach(new TacAccessible(Window, std::move(standard), EditName));
  Result = LresultFromObject(__uuidof(IAccessible), WParam, object.Get());  // holds its own reference
  return Result > 0;
}
