// Owning smart pointer for COM interfaces: every reference the system holds
// lives in one of these, so no Release is written by hand.
#pragma once

#include <cstddef>
#include <utility>

#include "platform/com/com.h"

namespace corvane::com {

// Throws ComError(hr) for a failed as<U>() (defined with ComError, which
// needs this header).
[[noreturn]] void ThrowQueryFailure(HRESULT hr);

template <class T>
class ComPtr;

// QueryInterface for U, or for `iid` (an interface whose methods are U's,
// such as a dispinterface answered with IDispatch), on a raw or smart
// pointer:
//   as      throws ComError with the query's HRESULT (E_POINTER for null,
//           E_NOINTERFACE when the object lacks the interface)
//   try_as  empty when the object lacks it
template <class U, class T>
ComPtr<U> as(T* object, REFIID iid = iid_of<U>());
template <class U, class T>
ComPtr<U> try_as(T* object, REFIID iid = iid_of<U>());

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Shares the reference: AddRef, as the holder of a borrowed pointer must.
  explicit ComPtr(T* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ~ComPtr() { reset(); }

  ComPtr& operator=(const ComPtr& other) {
    ComPtr(other).swap(*this);
    return *this;
  }
  ComPtr& operator=(ComPtr&& other) noexcept {
    ComPtr(std::move(other)).swap(*this);
    return *this;
  }
  ComPtr& operator=(std::nullptr_t) {
    reset();
    return *this;
  }

  // Takes over a reference the caller already owns (no AddRef).
  static ComPtr adopt(T* p) {
    ComPtr result;
    result.p_ = p;
    return result;
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // For out parameters: releases what is held and hands out the slot.
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

  void reset() {
    if (T* old = std::exchange(p_, nullptr)) old->Release();
  }
  T* detach() { return std::exchange(p_, nullptr); }
  void swap(ComPtr& other) noexcept { std::swap(p_, other.p_); }

  // Hands out a new reference through an out parameter.
  HRESULT copy_to(T** out) const {
    if (!out) return E_POINTER;
    *out = p_;
    if (p_) p_->AddRef();
    return S_OK;
  }

  // Typed queries: see as/try_as below.
  template <class U>
  ComPtr<U> as() const {
    return com::as<U>(p_);
  }
  template <class U>
  ComPtr<U> as(REFIID iid) const {
    return com::as<U>(p_, iid);
  }
  template <class U>
  ComPtr<U> try_as() const {
    return com::try_as<U>(p_);
  }
  template <class U>
  ComPtr<U> try_as(REFIID iid) const {
    return com::try_as<U>(p_, iid);
  }
  // Older name of try_as.
  template <class U>
  ComPtr<U> try_query() const {
    return com::try_as<U>(p_);
  }
  template <class U>
  HRESULT query_to(ComPtr<U>& out) const {
    if (!p_) return E_POINTER;
    return p_->QueryInterface(iid_of<U>(), out.put_void());
  }

  friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.p_ == b.p_; }
  friend bool operator==(const ComPtr& a, std::nullptr_t) { return a.p_ == nullptr; }

 private:
  T* p_ = nullptr;
};

template <class U, class T>
ComPtr<U> as(T* object, REFIID iid) {
  ComPtr<U> result;
  const HRESULT hr = object ? object->QueryInterface(iid, result.put_void()) : E_POINTER;
  if (FAILED(hr) || !result) ThrowQueryFailure(FAILED(hr) ? hr : E_NOINTERFACE);
  return result;
}

template <class U, class T>
ComPtr<U> try_as(T* object, REFIID iid) {
  ComPtr<U> result;
  if (object && FAILED(object->QueryInterface(iid, result.put_void()))) result.reset();
  return result;
}

}  // namespace corvane::com
