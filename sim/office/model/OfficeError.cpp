#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {

void ThrowInvalidArgument(const std::string& text) { throw OfficeError(kInvalidArgument, text); }

void ThrowFailed(const std::string& text) { throw OfficeError(kOperationFailed, text); }

}  // namespace corvane::sim::office
