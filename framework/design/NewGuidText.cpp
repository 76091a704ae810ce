#include "framework/design/NewGuidText.h"

#include "platform/com/ComError.h"
#include "platform/com/Text.h"
#include "platform/com/com.h"

namespace corvane::framework {

std::u16string NewGuidText() {
  GUID guid{};
  com::ThrowIfFailed(CoCreateGuid(&guid));
  OLECHAR text[40] = {};
  const int length = StringFromGUID2(guid, text, 40);
  if (length <= 1) throw com::ComError(E_UNEXPECTED, u"a GUID could not be written as text");
  return std::u16string(com::from_ole(text, static_cast<size_t>(length - 1)));
}

}  // namespace corvane::framework
