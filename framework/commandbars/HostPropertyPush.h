// What a designed bar and a designed item share for their host properties:
// while bound, reading gives the host object's current value (the stored
// one when that read fails); writing stores, then reads the host value and
// writes the new one only when the two differ. Every host failure but a
// deleted host object goes to the owner's error reporter; the stored value
// stands.
#pragma once

#include <exception>

#include "framework/commandbars/HostValue.h"
#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/com/com.h"

namespace corvane::framework {

class HostPropertyPush {
 public:
  virtual ~HostPropertyPush() = default;

 protected:
  // The bound host object, or null while unbound.
  virtual IDispatch* BoundHost() const = 0;
  virtual void ReportHostError(std::exception_ptr error) const noexcept = 0;

  template <class T>
  T ReadThrough(const T& stored, DISPID member) const {
    return ReadThroughOn(BoundHost(), stored, member);
  }

  // The same on another interface of the bound object (a box's own members
  // on its combo box interface); null while unbound.
  template <class T>
  T ReadThroughOn(IDispatch* host, const T& stored, DISPID member) const {
    if (!host) return stored;
    try {
      return HostValue<T>::FromHost(Get(host, member), stored);
    } catch (...) {
      ReportUnlessGone(std::current_exception());
      return stored;
    }
  }

  // True when the new value was written to the host.
  template <class Field, class Value>
  bool Store(Field& field, Value value, DISPID member) {
    field = Field(value);
    return PushStored(field, member);
  }

  // The stored value offered to the bound host object, written only when
  // the host has another value.
  template <class T>
  bool PushStored(const T& value, DISPID member) {
    return PushStoredOn(BoundHost(), value, member);
  }

  template <class T>
  bool PushStoredOn(IDispatch* host, const T& value, DISPID member) {
    if (!host) return false;
    try {
      if (HostValue<T>::Same(Get(host, member), value)) return false;
      com::Dispatch::InvokeId(host, member, DISPATCH_PROPERTYPUT, {HostValue<T>::ToHost(value)});
      return true;
    } catch (...) {
      ReportUnlessGone(std::current_exception());
      return false;
    }
  }

 private:
  // A host object deleted meanwhile (by the user, or by the add-in's own
  // unregistration in a running host) answers "disconnected": the item is
  // then as good as unbound, and its stored value stands without a report.
  static constexpr HRESULT kHostObjectGone = static_cast<HRESULT>(0x80010108);
  void ReportUnlessGone(std::exception_ptr error) const noexcept {
    try {
      std::rethrow_exception(error);
    } catch (const com::ComError& e) {
      if (e.code() == kHostObjectGone) return;
    } catch (...) {
    }
    ReportHostError(error);
  }

  static com::Variant Get(IDispatch* host, DISPID member) {
    return com::Dispatch::InvokeId(host, member, DISPATCH_PROPERTYGET, {});
  }
};

}  // namespace corvane::framework
