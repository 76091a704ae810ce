#include "framework/hosting/GuidText.h"

#include "platform/com/Text.h"

namespace corvane::framework {

std::u16string GuidText(const GUID& Guid) {
  OLECHAR text[40] = {};
  StringFromGUID2(Guid, text, 40);
  return std::u16string(com::from_ole(text));
}

}  // namespace corvane::framework
