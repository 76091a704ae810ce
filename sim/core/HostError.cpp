#include "sim/core/HostError.h"

#include <utility>

#include "platform/com/ComError.h"

namespace corvane::sim {

InvokeError::InvokeError(HRESULT code, std::optional<UINT> argument)
    : code_(code), argument_(argument), what_(com::HResultText(code)) {}

}  // namespace corvane::sim
