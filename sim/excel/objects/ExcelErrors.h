// Excel's texts for refused members, e.g. "Unable to get the PivotTable
// property of the Range class", raised as host errors.
#pragma once

#include <string_view>

#include "sim/core/HostError.h"

namespace corvane::sim::excel {

HostError CannotGet(std::u16string_view property, std::u16string_view type);
HostError CannotSet(std::u16string_view property, std::u16string_view type);
HostError MethodFailed(std::u16string_view method, std::u16string_view type);

}  // namespace corvane::sim::excel
