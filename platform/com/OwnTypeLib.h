// The type library a module carries about itself. Natively it is served
// from its description; on Windows it is loaded from the module's embedded
// type library, without registering it.
#pragma once

#include <string>

#include "platform/com/TypeLibDescription.h"

namespace corvane::com {

// E_INVALIDARG for a description that refers to types it does not hold.
HRESULT LoadOwnTypeLib(const std::u16string& modulePath, const TypeLibDescription& description, ITypeLib** typeLib);

}  // namespace corvane::com
