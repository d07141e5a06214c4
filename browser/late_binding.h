// Late-bound calls through IDispatch, by member name, with owned VARIANTs.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include <string>

// A VARIANT that clears itself.
class OwnedVariant {
public:
  OwnedVariant() { VariantInit(&value_); }
  ~OwnedVariant() { VariantClear(&value_); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;
  VARIANT* Get() { return &value_; }
  const VARIANT& operator*() const { return value_; }
  // The value as text; empty when it cannot be converted.
  std::wstring Text() const;
  // The value as an integer; 0 when it cannot be converted.
  long Integer() const;
  // The object in the value (VT_DISPATCH), with a reference of its own.
  IDispatch* DetachDispatch();

private:
  VARIANT value_;
};

HRESULT GetDispatchProperty(IDispatch* object, const wchar_t* name, OwnedVariant& result);
HRESULT PutDispatchText(IDispatch* object, const wchar_t* name, const std::wstring& value);
HRESULT PutDispatchInteger(IDispatch* object, const wchar_t* name, long value);
// Calls a method (or indexed property) with arguments in their natural order.
HRESULT CallDispatchMethod(IDispatch* object, const wchar_t* name, VARIANT* arguments,
                           unsigned count, OwnedVariant& result);
