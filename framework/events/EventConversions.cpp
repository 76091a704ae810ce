#include "framework/events/EventConversions.h"

namespace corvane::framework::event_conversions {
namespace {

bool IsNothing(const com::Variant& argument) {
  const com::Variant value = com::Variant::CopyOf(*argument.get());
  return value.empty() || ((value.type() == VT_DISPATCH || value.type() == VT_UNKNOWN) && !value.get()->punkVal);
}

}  // namespace

com::ComPtr<IDispatch> QueryObject(const com::Variant& argument, const IID& iid) {
  if (IsNothing(argument)) return nullptr;
  const com::ComPtr<IUnknown> object = argument.ToUnknown();
  com::ComPtr<IDispatch> typed = object.try_as<IDispatch>(iid);
  if (!typed) throw com::ComError(E_NOINTERFACE, u"An event argument is not the host object the event declares.");
  return typed;
}

com::ComPtr<IDispatch> AnyObject(const com::Variant& argument) {
  if (IsNothing(argument)) return nullptr;
  return argument.ToDispatch();
}

CancelSlot CancelOf(const com::Variant& argument) {
  const VARIANT& value = *argument.get();
  if (value.vt == (VT_BOOL | VT_BYREF) && value.pboolVal) return {value.pboolVal, VARIANT_FALSE};
  if (value.vt == (VT_VARIANT | VT_BYREF) && value.pvarVal && value.pvarVal->vt == VT_BOOL) {
    return {&value.pvarVal->boolVal, VARIANT_FALSE};
  }
  return {nullptr, argument.ToBool() ? VARIANT_TRUE : VARIANT_FALSE};
}

}  // namespace corvane::framework::event_conversions
