#include "platform/com/TypeLibDescription.h"

namespace corvane::com {

TYPEKIND TypeKindOf(TypeKind kind) {
  switch (kind) {
    case TypeKind::CoClass:
      return TKIND_COCLASS;
    case TypeKind::Dispatch:
      return TKIND_DISPATCH;
    case TypeKind::Interface:
      return TKIND_INTERFACE;
  }
  return TKIND_MAX;
}

}  // namespace corvane::com
