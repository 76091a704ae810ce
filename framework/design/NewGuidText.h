// A freshly generated GUID in its braced text form, "{XXXXXXXX-...}".
#pragma once

#include <string>

namespace corvane::framework {

std::u16string NewGuidText();

}  // namespace corvane::framework
