#include "sim/core/Args.h"

#include "platform/com/ComError.h"
#include "sim/core/HostError.h"

namespace corvane::sim {

bool Arg::present() const { return value_ && !com::IsOmitted(*value_); }

bool Arg::byRef() const { return value_ && (value_->vt & VT_BYREF) != 0; }

VARTYPE Arg::type() const {
  if (!value_) return VT_EMPTY;
  return static_cast<VARTYPE>(value_->vt & ~VT_BYREF);
}

const VARIANT& Arg::Required() const {
  if (!present()) throw InvokeError(DISP_E_PARAMNOTFOUND, position_);
  return *value_;
}

template <class F>
auto Arg::Converted(F convert) const {
  const VARIANT& value = Required();
  try {
    return convert(value);
  } catch (const com::ComError&) {
    throw InvokeError(DISP_E_TYPEMISMATCH, position_);
  }
}

int32_t Arg::Int() const {
  return Converted([](const VARIANT& v) { return com::ToInt32(v); });
}
int32_t Arg::Int(int32_t fallback) const { return present() ? Int() : fallback; }

bool Arg::Bool() const {
  return Converted([](const VARIANT& v) { return com::ToBool(v); });
}
bool Arg::Bool(bool fallback) const { return present() ? Bool() : fallback; }

double Arg::Double() const {
  return Converted([](const VARIANT& v) { return com::ToDouble(v); });
}
double Arg::Double(double fallback) const { return present() ? Double() : fallback; }

std::u16string Arg::Text() const {
  return Converted([](const VARIANT& v) { return com::ToText(v); });
}
std::u16string Arg::Text(const std::u16string& fallback) const { return present() ? Text() : fallback; }

com::ComPtr<IDispatch> Arg::Object() const {
  if (present() && type() == VT_EMPTY) return {};
  return Converted([](const VARIANT& v) { return com::ToDispatch(v); });
}

com::Variant Arg::Copy() const { return present() ? com::Variant::CopyOf(*value_) : com::Variant::Omitted(); }

void Arg::Assign(const com::Variant& value) const {
  if (!byRef()) throw InvokeError(DISP_E_TYPEMISMATCH, position_);
  try {
    com::AssignThroughRef(*value_, value);
  } catch (const com::ComError&) {
    throw InvokeError(DISP_E_TYPEMISMATCH, position_);
  }
}

Args::Args(const DISPPARAMS& params, bool hasValue, LCID locale)
    : params_(params), hasValue_(hasValue), positional_(params.cArgs - (hasValue ? 1 : 0)), locale_(locale) {}

Arg Args::operator[](UINT index) const {
  if (index >= positional_) return Arg(nullptr, index);
  // rgvarg lists the positional arguments last-first, after the named ones.
  const UINT position = params_.cArgs - 1 - index;
  return Arg(&params_.rgvarg[position], position);
}

Arg Args::value() const { return hasValue_ ? Arg(&params_.rgvarg[0], 0) : Arg(nullptr, 0); }

}  // namespace corvane::sim
