#include "addin/excel/ExcelObject.h"

namespace corvane::addin::excel {

com::Variant ExcelObject::Get(DISPID id, com::ArgList args, LCID locale) const {
  return com::Dispatch::InvokeId(object_.get(), id, DISPATCH_PROPERTYGET, args, locale);
}

void ExcelObject::Put(DISPID id, const com::Variant& value, LCID locale) const {
  com::Dispatch::InvokeId(object_.get(), id, DISPATCH_PROPERTYPUT, {value}, locale);
}

com::Variant ExcelObject::Call(DISPID id, com::ArgList args) const {
  return com::Dispatch::InvokeId(object_.get(), id, DISPATCH_METHOD, args);
}

}  // namespace corvane::addin::excel
