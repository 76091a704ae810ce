// The seam between the in-process server and the simulated Excel: the
// Excel part registers how a new application is started, the server (and
// any test) starts one through it without knowing Excel's internals.
//
//   sim::SetApplicationFactory([] { return StartSimulatedExcel(); });
//   com::ComPtr<IDispatch> app = sim::StartApplication();
#pragma once

#include <functional>

#include "platform/com/ComPtr.h"
#include "platform/com/com.h"

namespace corvane::sim {

// The class of "Excel.Application".
inline constexpr CLSID kExcelApplicationClsid = {
    0x00024500, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

using ApplicationFactory = std::function<com::ComPtr<IDispatch>()>;

// Replaces the factory (an empty one unregisters it) and returns the one
// it replaces, for a test to put back.
ApplicationFactory SetApplicationFactory(ApplicationFactory factory);
bool HasApplicationFactory();
// A new application's IDispatch; HostError (CO_E_APPNOTFOUND) when no
// factory is registered, and whatever the factory throws.
com::ComPtr<IDispatch> StartApplication();

}  // namespace corvane::sim
