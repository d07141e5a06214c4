// An owning COM interface pointer: releases its reference when it goes.
// (MinGW's WRL ComPtr adds a reference in Attach, unlike its original.)
#pragma once

#include <unknwn.h>

#include <utility>

template <class T>
class ComPtr {
public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
    if (pointer_) pointer_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }

  T* Get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  bool operator==(const ComPtr& other) const { return pointer_ == other.pointer_; }

  // Takes over a reference the caller owns.
  void Attach(T* pointer) {
    Reset();
    pointer_ = pointer;
  }
  void Reset() {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }
  // For out-parameters: releases the current object first.
  T** Put() {
    Reset();
    return &pointer_;
  }
  template <class U>
  HRESULT As(ComPtr<U>& other) const {
    if (!pointer_) return E_POINTER;
    return pointer_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(other.Put()));
  }

private:
  T* pointer_ = nullptr;
};
