// Corvane as Office finds it: its ProgID's class, the library registered
// for that class, and its key among Excel's COM add-ins. The workbench
// registers the library (its DllRegisterServer) when its own registry does
// not have it yet, as an installer would.
#pragma once

#include <string>

namespace corvane::workbench {

inline constexpr char16_t kAddInProgId[] = u"CVFM.eaCVFM";
inline constexpr char16_t kToolbarName[] = u"Corvane AutoFormat XL";

// The library registered for the add-in's class; empty when none is.
std::u16string RegisteredLibrary();
bool IsRegistered(const std::u16string& library);
// Registers the library unless it is registered already; true when it
// registered now. ComError with the export's result when it fails.
bool EnsureRegistered(const std::u16string& library);

}  // namespace corvane::workbench
