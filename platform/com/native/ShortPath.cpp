// Native file systems know no short names: every path is its own short form.
#include "platform/com/ShortPath.h"

namespace corvane::com {

std::u16string ShortPathOf(const std::u16string& path) { return path; }

}  // namespace corvane::com
