#include "sim/core/ApplicationFactory.h"

#include <utility>

#include "sim/core/HostError.h"

namespace corvane::sim {
namespace {

ApplicationFactory& Registered() {
  static ApplicationFactory factory;
  return factory;
}

}  // namespace

ApplicationFactory SetApplicationFactory(ApplicationFactory factory) {
  return std::exchange(Registered(), std::move(factory));
}

bool HasApplicationFactory() { return static_cast<bool>(Registered()); }

com::ComPtr<IDispatch> StartApplication() {
  // Copied: the factory may replace itself while it runs.
  const ApplicationFactory factory = Registered();
  if (!factory) throw HostError(u"No simulated application can be started.", static_cast<HRESULT>(0x800401F5));
  auto application = factory();
  if (!application) throw HostError(u"The simulated application did not start.", E_FAIL);
  return application;
}

}  // namespace corvane::sim
