// Base of every COM object written in C++: an interlocked reference count
// and a QueryInterface table made from the implemented interfaces, so that
// no object hand-writes IUnknown.
#pragma once

#include <atomic>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/com/ComPtr.h"

namespace corvane::com {

// Implements IUnknown for a class deriving from the listed interfaces.
// QueryInterface answers IUnknown (through the first interface), each listed
// interface, and whatever QueryOther adds (extra ids, base interfaces such
// as IDispatch). The count starts at 1, owned by whoever called new; prefer
// Make<T>(), which hands that reference to a ComPtr.
template <class... Interfaces>
class ComObject : public Interfaces... {
  static_assert(sizeof...(Interfaces) > 0, "a COM object implements at least one interface");
  using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown)) {
      *ppv = identity();
    } else if (!(... || MatchInterface<Interfaces>(riid, ppv))) {
      *ppv = QueryOther(riid);
    }
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG remaining = --refs_;
    if (remaining == 0) delete this;
    return remaining;
  }

  // The object's IUnknown identity.
  IUnknown* identity() { return static_cast<IUnknown*>(static_cast<First*>(this)); }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  // Extra interface ids; the result is returned without AddRef (the caller
  // adds it). Null: not supported.
  virtual void* QueryOther(REFIID) { return nullptr; }

  ULONG RefCount() const { return refs_; }

 private:
  template <class I>
  bool MatchInterface(REFIID riid, void** ppv) {
    if (!IsEqualIID(riid, iid_of<I>())) return false;
    *ppv = static_cast<I*>(this);
    return true;
  }

  std::atomic<ULONG> refs_{1};
};

// Creates a COM object and returns it owned by a smart pointer.
template <class T, class... Args>
ComPtr<T> Make(Args&&... args) {
  return ComPtr<T>::adopt(new T(std::forward<Args>(args)...));
}

}  // namespace corvane::com
