// A GUID as the registry writes it: braced, upper-case hexadecimal.
#pragma once

#include <string>

#include "platform/com/com.h"

namespace corvane::framework {

std::u16string GuidText(const GUID& Guid);

}  // namespace corvane::framework
