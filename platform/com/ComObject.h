// Base of every COM object written in C++: IUnknown made once, from the
// implemented interfaces and a lifetime policy, so that no object
// hand-writes QueryInterface, AddRef or Release.
//
//   ComObject<I...>          deletes itself with its last reference; the
//                            count starts at 1, owned by whoever called new
//                            (prefer Make<T>(), which hands it to a ComPtr)
//   CountedObject<I...>      counts but never deletes: its owner frees it
//                            (module-lifetime objects, components the owner
//                            frees); the count starts at 0
//   OuterCountedObject<I...> its references are counted on a RefCount its
//                            longer-lived owner keeps (objects embedded in
//                            that owner, such as a server's class factory);
//                            it never deletes itself
#pragma once

#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/com/ComPtr.h"
#include "platform/com/RefCount.h"

namespace corvane::com {

namespace lifetime {
struct DeletesItself {};
struct CountsOnly {};
struct CountsOnOuter {};
}  // namespace lifetime

namespace detail {

// Where a policy keeps the count.
template <class Lifetime>
class CountHolder {
 protected:
  CountHolder() = default;
  RefCount& Count() { return count_; }
  const RefCount& Count() const { return count_; }

 private:
  RefCount count_{std::is_same_v<Lifetime, lifetime::DeletesItself> ? 1u : 0u};
};

template <>
class CountHolder<lifetime::CountsOnOuter> {
 protected:
  explicit CountHolder(RefCount& outer) : count_(outer) {}
  RefCount& Count() { return count_; }
  const RefCount& Count() const { return count_; }

 private:
  RefCount& count_;
};

}  // namespace detail

// Implements IUnknown for a class deriving from the listed interfaces.
// QueryInterface answers IUnknown (through the first interface), each listed
// interface that Withholds does not refuse, and whatever QueryOther adds
// (extra ids, base interfaces such as IDispatch).
template <class Lifetime, class... Interfaces>
class ComObjectWith : public Interfaces..., private detail::CountHolder<Lifetime> {
  static_assert(sizeof...(Interfaces) > 0, "a COM object implements at least one interface");
  using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;
  using Holder = detail::CountHolder<Lifetime>;

 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) final {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown)) {
      *ppv = identity();
    } else if (!Withholds(riid) && !(... || MatchInterface<Interfaces>(riid, ppv))) {
      *ppv = QueryOther(riid);
    }
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() final {
    ReferenceCounted(true);
    return Holder::Count().Add();
  }
  STDMETHODIMP_(ULONG) Release() final {
    // Told first: the last Release may delete the object.
    ReferenceCounted(false);
    const ULONG remaining = Holder::Count().Remove();
    if constexpr (std::is_same_v<Lifetime, lifetime::DeletesItself>) {
      if (remaining == 0) delete this;
    }
    return remaining;
  }

  // The object's IUnknown identity.
  IUnknown* identity() { return static_cast<IUnknown*>(static_cast<First*>(this)); }
  // The references counted now (on the owner's count for an outer-counted
  // object).
  ULONG RefCount() const { return Holder::Count().Value(); }

 protected:
  ComObjectWith() = default;
  explicit ComObjectWith(com::RefCount& outer) : Holder(outer) {}
  virtual ~ComObjectWith() = default;
  ComObjectWith(const ComObjectWith&) = delete;
  ComObjectWith& operator=(const ComObjectWith&) = delete;

  // Extra interface ids; the result is returned without AddRef (the caller
  // adds it). Null: not supported.
  virtual void* QueryOther(REFIID) { return nullptr; }
  // A listed interface the object does not answer at the moment.
  virtual bool Withholds(REFIID) { return false; }
  // Told of every AddRef (true) and Release (false) before the count
  // changes: instrumentation, or a count mirrored on an owner.
  virtual void ReferenceCounted(bool /*added*/) {}

 private:
  template <class I>
  bool MatchInterface(REFIID riid, void** ppv) {
    if (!IsEqualIID(riid, iid_of<I>())) return false;
    *ppv = static_cast<I*>(this);
    return true;
  }
};

template <class... Interfaces>
using ComObject = ComObjectWith<lifetime::DeletesItself, Interfaces...>;
template <class... Interfaces>
using CountedObject = ComObjectWith<lifetime::CountsOnly, Interfaces...>;
template <class... Interfaces>
using OuterCountedObject = ComObjectWith<lifetime::CountsOnOuter, Interfaces...>;

// Creates a self-deleting COM object and returns it owned by a smart
// pointer.
template <class T, class... Args>
ComPtr<T> Make(Args&&... args) {
  return ComPtr<T>::adopt(new T(std::forward<Args>(args)...));
}

}  // namespace corvane::com
