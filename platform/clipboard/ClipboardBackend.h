// The backend's side of SetData and SetHandle, called once the arguments
// have been checked. Ownership passes only on success.
#pragma once

#include "platform/com/com.h"

namespace corvane::clipboard {

bool SetMemoryData(UINT format, HGLOBAL block);
bool SetHandleData(UINT format, HANDLE handle);

}  // namespace corvane::clipboard
