// Registration and unregistration of the class and the add-in.
#include <stdexcept>

#include "framework/hosting/TkvxFactory.h"

namespace corvane::framework {

// Placeholder until the registration steps land; fails loudly.
void TkvxFactory::UpdateRegistry(bool) { throw std::logic_error("add-in registration is not built yet"); }

}  // namespace corvane::framework
