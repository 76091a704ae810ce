#include "sim/core/DispatchCall.h"

#include <new>

#include "platform/com/Bstr.h"
#include "platform/com/ComError.h"
#include "platform/com/ComGuard.h"
#include "platform/com/Text.h"
#include "sim/core/HostError.h"
#include "sim/core/Instrumentation.h"

namespace corvane::sim {
namespace {

constexpr WORD kGetFlags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
constexpr WORD kPutFlags = DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;

// Which half of the member the flags ask for; nullopt when the member has
// no such half.
std::optional<bool> WantsPut(const CallTarget& target, WORD flags) {
  if (flags & kPutFlags) {
    if ((flags & kGetFlags) || !target.canPut) return std::nullopt;
    return true;
  }
  if ((flags & kGetFlags) && target.canGet) return false;
  return std::nullopt;
}

// A put names its value DISPID_PROPERTYPUT; the host takes no other named
// arguments.
HRESULT CheckNamed(const DISPPARAMS& params, bool put) {
  if (params.cNamedArgs > params.cArgs) return E_INVALIDARG;
  if (put) {
    const bool named =
        params.cNamedArgs == 1 && params.rgdispidNamedArgs && params.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
    return named ? S_OK : DISP_E_PARAMNOTFOUND;
  }
  return params.cNamedArgs == 0 ? S_OK : DISP_E_NONAMEDARGS;
}

HRESULT Raise(EXCEPINFO* error, HRESULT code, std::u16string_view source, std::u16string_view description) {
  FillException(error, code, source, description);
  return DISP_E_EXCEPTION;
}

// Runs the handler into value. shift: where params starts in the caller's
// rgvarg, so that puArgErr names the caller's argument.
HRESULT RunBody(const CallTarget& target, bool put, DISPPARAMS& params, UINT shift, com::Variant& value,
                EXCEPINFO* error, UINT* argError, const CallBody& body) {
  try {
    Args args(params, put, target.locale);
    value = body(args, put);
    return S_OK;
  } catch (const HostError& raised) {
    const std::u16string_view source = raised.source().empty() ? target.source : raised.source();
    return Raise(error, raised.code(), source, raised.description());
  } catch (const InvokeError& failed) {
    if (argError && failed.argument()) *argError = *failed.argument() + shift;
    return failed.code();
  } catch (...) {
    // A platform error or a slip of the sim itself: still an exception of
    // the host, never a C++ exception across the boundary.
    const com::BoundaryError described = com::DescribeCurrentException();
    return Raise(error, described.code, target.source, described.description);
  }
}

// The surplus arguments applied to the default member of what the get gave.
// The default member is asked with the call's own flags; the locale does not
// matter to any default member of the sim.
HRESULT InvokeDefault(const com::Variant& value, WORD flags, DISPPARAMS& surplus, VARIANT* result, EXCEPINFO* error,
                      UINT* argError) {
  const VARIANT& given = *value.get();
  IDispatch* object = given.vt == VT_DISPATCH ? given.pdispVal : nullptr;
  if (!object) return DISP_E_BADPARAMCOUNT;
  const HRESULT code =
      object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, flags & kGetFlags, &surplus, result, error, argError);
  return code == DISP_E_MEMBERNOTFOUND ? DISP_E_BADPARAMCOUNT : code;
}

// rgvarg holds the arguments last-first: the member's own are at the end.
HRESULT RunChained(const CallTarget& target, WORD flags, DISPPARAMS& params, VARIANT* result, EXCEPINFO* error,
                   UINT* argError, const CallBody& body) {
  const UINT surplusCount = params.cArgs - target.takes;
  DISPPARAMS own{params.rgvarg + surplusCount, nullptr, target.takes, 0};
  com::Variant value;
  const HRESULT code = RunBody(target, false, own, surplusCount, value, error, argError, body);
  if (FAILED(code)) return code;
  DISPPARAMS surplus{params.rgvarg, nullptr, surplusCount, 0};
  return InvokeDefault(value, flags, surplus, result, error, argError);
}

HRESULT RunCall(const CallTarget& target, bool put, WORD flags, DISPPARAMS& params, VARIANT* result, EXCEPINFO* error,
                UINT* argError, const CallBody& body) {
  if (!put && params.cArgs > target.takes) return RunChained(target, flags, params, result, error, argError, body);
  com::Variant value;
  const HRESULT code = RunBody(target, put, params, 0, value, error, argError, body);
  if (SUCCEEDED(code) && result && !put) *result = value.detach();
  return code;
}

}  // namespace

void FillException(EXCEPINFO* error, HRESULT code, std::u16string_view source, std::u16string_view description) {
  if (!error) return;
  *error = EXCEPINFO{};
  error->scode = code;
  try {
    error->bstrSource = com::Bstr(source).detach();
    error->bstrDescription = com::Bstr(description).detach();
  } catch (const std::bad_alloc&) {
    // The code alone must do.
  }
}

HRESULT InvokeMember(const CallTarget* target, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* error,
                     UINT* argError, const CallBody& body) noexcept {
  if (!target) return DISP_E_MEMBERNOTFOUND;
  const auto put = WantsPut(*target, flags);
  if (!put) return DISP_E_MEMBERNOTFOUND;
  if (!params) return E_INVALIDARG;
  if (const HRESULT named = CheckNamed(*params, *put); FAILED(named)) return named;
  const UINT positional = params->cArgs - params->cNamedArgs;
  if (positional > target->takes && (*put || !target->passesSurplus)) return DISP_E_BADPARAMCOUNT;
  const HRESULT begun = com::GuardCode([&] {
    const auto fault = Instrumentation::Instance().BeginCall(target->type, target->member, *put);
    return fault ? Raise(error, fault->code, target->source, fault->description) : S_OK;
  });
  if (begun != S_OK) return begun;
  return RunCall(*target, *put, flags, *params, result, error, argError, body);
}

HRESULT LookUpNames(std::u16string_view type, const NameLookup& lookup, LPOLESTR* names, UINT count,
                    DISPID* ids) noexcept {
  if (!names || !ids) return E_POINTER;
  if (count == 0) return E_INVALIDARG;
  return com::GuardCode([&] {
    for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    const std::u16string_view asked = com::from_ole(names[0]);
    const auto found = lookup(asked);
    Instrumentation::Instance().CountNameLookup(type, found ? found->canonical : asked);
    ids[0] = found ? found->id : DISPID_UNKNOWN;
    return found && count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
  });
}

}  // namespace corvane::sim
