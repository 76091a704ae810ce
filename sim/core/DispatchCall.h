// The type-independent half of a sim object's IDispatch: flag and argument
// checks, counting and fault injection, and turning what a handler throws
// into Invoke's results. SimObject supplies the member and the handler.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "platform/com/Variant.h"
#include "platform/com/com.h"
#include "sim/core/Args.h"

namespace corvane::sim {

struct CallTarget {
  std::u16string_view type;
  std::u16string_view source;
  std::u16string_view member;
  bool canGet;
  bool canPut;
  UINT takes;          // positional arguments the member takes
  bool passesSurplus;  // a get: surplus goes to its result's default member
  // Invoke's locale id, for the handlers of culture-sensitive members.
  LCID locale = LOCALE_USER_DEFAULT;
};

// Runs the get or method (put false) or the put (put true).
using CallBody = std::function<com::Variant(Args& args, bool put)>;

// target null: no member has that DISPID. A get given more positional
// arguments than it takes runs with the ones it takes and invokes DISPID 0
// of the object it returns with the rest (DISP_E_BADPARAMCOUNT when that is
// no object or has no default member); a method or put given more is refused
// with DISP_E_BADPARAMCOUNT before it runs, as it may change something.
HRESULT InvokeMember(const CallTarget* target, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* error,
                     UINT* argError, const CallBody& body) noexcept;

struct FoundName {
  DISPID id;
  std::u16string_view canonical;
};
using NameLookup = std::function<std::optional<FoundName>(std::u16string_view name)>;

// GetIDsOfNames: the first name is the member; the host takes no named
// arguments, so any further name is unknown.
HRESULT LookUpNames(std::u16string_view type, const NameLookup& lookup, LPOLESTR* names, UINT count,
                    DISPID* ids) noexcept;

// Fills EXCEPINFO as the host raises an exception (null: nothing).
void FillException(EXCEPINFO* error, HRESULT code, std::u16string_view source, std::u16string_view description);

}  // namespace corvane::sim
