// Natively a module's type library is the description it carries; the path
// is where Windows would read the embedded one and plays no part here.
#include "platform/com/OwnTypeLib.h"

#include "platform/com/native/DescribedTypeLib.h"

namespace corvane::com {

HRESULT LoadOwnTypeLib(const std::u16string&, const TypeLibDescription& description, ITypeLib** typeLib) {
  return native::DescribedTypeLib::Create(description, typeLib);
}

}  // namespace corvane::com
