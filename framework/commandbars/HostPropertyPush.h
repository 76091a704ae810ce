// What a designed bar and a designed item share for their host properties:
// while bound, reading gives the host object's current value (the stored
// one when that read fails); writing stores, then reads the host value and
// writes the new one only when the two differ. Every host failure goes to
// the owner's error reporter and the stored value stands.
#pragma once

#include <exception>

#include "framework/commandbars/HostValue.h"
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
    IDispatch* host = BoundHost();
    if (!host) return stored;
    try {
      return HostValue<T>::FromHost(Get(host, member), stored);
    } catch (...) {
      ReportHostError(std::current_exception());
      return stored;
    }
  }

  template <class Field, class Value>
  void Store(Field& field, Value value, DISPID member) {
    field = Field(value);
    PushStored(field, member);
  }

  // The stored value offered to the bound host object, written only when
  // the host has another value.
  template <class T>
  void PushStored(const T& value, DISPID member) {
    IDispatch* host = BoundHost();
    if (!host) return;
    try {
      if (HostValue<T>::Same(Get(host, member), value)) return;
      com::Dispatch::InvokeId(host, member, DISPATCH_PROPERTYPUT, {HostValue<T>::ToHost(value)});
    } catch (...) {
      ReportHostError(std::current_exception());
    }
  }

 private:
  static com::Variant Get(IDispatch* host, DISPID member) {
    return com::Dispatch::InvokeId(host, member, DISPATCH_PROPERTYGET, {});
  }
};

}  // namespace corvane::framework
