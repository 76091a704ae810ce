// Which type tags a VARIANT may carry, as Windows judges them.
#pragma once

#include "platform/com/com.h"

namespace corvane::com::native {

// S_OK for a tag a VARIANT may hold; DISP_E_BADVARTYPE otherwise.
HRESULT ValidateVariantType(VARTYPE vt);

// S_OK for a type VariantChangeType can be asked for.
HRESULT ValidateTargetType(VARTYPE vt);

// Bytes a value of base type vt occupies (what a by-reference VARIANT or
// a safe array cell holds); 0 for types without a fixed-size value.
ULONG ValueSize(VARTYPE vt);

// The interface slot of VT_UNKNOWN/VT_DISPATCH values, null for others.
IUnknown* InterfaceOf(const VARIANT& v);

}  // namespace corvane::com::native
