#include "browser/late_binding.h"

#include <algorithm>
#include <vector>

namespace {

HRESULT MemberId(IDispatch* object, const wchar_t* name, DISPID& id) {
  if (!object) return E_POINTER;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
}

HRESULT Put(IDispatch* object, const wchar_t* name, VARIANT& value) {
  DISPID id = 0;
  HRESULT result = MemberId(object, name, id);
  if (FAILED(result)) return result;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{&value, &named, 1, 1};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters,
                        nullptr, nullptr, nullptr);
}

}  // namespace

std::wstring OwnedVariant::Text() const {
  if (value_.vt == VT_BSTR) return value_.bstrVal ? std::wstring(value_.bstrVal) : std::wstring();
  VARIANT text;
  VariantInit(&text);
  std::wstring result;
  if (SUCCEEDED(VariantChangeType(&text, const_cast<VARIANT*>(&value_), 0, VT_BSTR)) &&
      text.bstrVal)
    result = text.bstrVal;
  VariantClear(&text);
  return result;
}

long OwnedVariant::Integer() const {
  VARIANT number;
  VariantInit(&number);
  long result = 0;
  if (SUCCEEDED(VariantChangeType(&number, const_cast<VARIANT*>(&value_), 0, VT_I4)))
    result = number.lVal;
  VariantClear(&number);
  return result;
}

IDispatch* OwnedVariant::DetachDispatch() {
  if (value_.vt != VT_DISPATCH || !value_.pdispVal) return nullptr;
  IDispatch* object = value_.pdispVal;
  value_.vt = VT_EMPTY;
  value_.pdispVal = nullptr;
  return object;
}

HRESULT GetDispatchProperty(IDispatch* object, const wchar_t* name, OwnedVariant& result) {
  DISPID id = 0;
  HRESULT status = MemberId(object, name, id);
  if (FAILED(status)) return status;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                        result.Get(), nullptr, nullptr);
}

HRESULT PutDispatchText(IDispatch* object, const wchar_t* name, const std::wstring& value) {
  VARIANT text;
  VariantInit(&text);
  text.vt = VT_BSTR;
  text.bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
  HRESULT result = Put(object, name, text);
  VariantClear(&text);
  return result;
}

HRESULT PutDispatchInteger(IDispatch* object, const wchar_t* name, long value) {
  VARIANT number;
  VariantInit(&number);
  number.vt = VT_I4;
  number.lVal = value;
  return Put(object, name, number);
}

HRESULT CallDispatchMethod(IDispatch* object, const wchar_t* name, VARIANT* arguments,
                           unsigned count, OwnedVariant& result) {
  DISPID id = 0;
  HRESULT status = MemberId(object, name, id);
  if (FAILED(status)) return status;
  std::vector<VARIANT> reversed(arguments, arguments + count);  // IDispatch takes them last first
  std::reverse(reversed.begin(), reversed.end());
  DISPPARAMS parameters{reversed.data(), nullptr, count, 0};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT,
                        DISPATCH_METHOD | DISPATCH_PROPERTYGET, &parameters, result.Get(),
                        nullptr, nullptr);
}
