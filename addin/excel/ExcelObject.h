// The base of the typed Excel wrappers: one held automation object, called
// by Excel's DISPIDs (never by name). A failing call, or a call on a wrapper
// that holds nothing, throws com::ComError. Calls pass the user's locale;
// culture-sensitive text (number format codes) is read and written with an
// explicit one, com::kLocaleEnUs, so that its notation is Excel's own
// whatever the user's regional settings.
#pragma once

#include <utility>

#include "platform/com/ComPtr.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"
#include "platform/com/com.h"

namespace corvane::addin::excel {

class ExcelObject {
 public:
  ExcelObject() = default;
  explicit ExcelObject(com::ComPtr<IDispatch> object) : object_(std::move(object)) {}

  const com::ComPtr<IDispatch>& object() const { return object_; }
  IDispatch* get() const { return object_.get(); }
  // Empty when Excel answered Nothing.
  bool empty() const { return !object_; }

 protected:
  com::Variant Get(DISPID id, com::ArgList args = {}, LCID locale = LOCALE_USER_DEFAULT) const;
  com::ComPtr<IDispatch> GetObject(DISPID id, com::ArgList args = {}) const { return Get(id, args).ToDispatch(); }
  void Put(DISPID id, const com::Variant& value, LCID locale = LOCALE_USER_DEFAULT) const;
  com::Variant Call(DISPID id, com::ArgList args = {}) const;

 private:
  com::ComPtr<IDispatch> object_;
};

}  // namespace corvane::addin::excel
