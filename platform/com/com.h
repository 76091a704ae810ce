// The one include for COM: the Windows SDK on Windows, the platform's own
// runtime elsewhere. Code above the platform layer includes only this.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which they rely on.
#include <objbase.h>
#include <ocidl.h>
#include <oleauto.h>
#include <olectl.h>

#include "win32/ConstCorrect.h"
#else
#include "native/hresults.h"
#include "native/interfaces.h"
#include "native/oletypes.h"
#include "native/runtime.h"
#include "native/wintypes.h"
#endif

#include "InterfaceId.h"
