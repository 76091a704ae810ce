// The classes of the add-in's one factory: TAddInModule as module class,
// TeaCVFM as connection class. The library creates its server and factory
// with these at load; tests build the same server in their own module.
#pragma once

#include <memory>

#include "framework/hosting/TkvxCOMAddInModule.h"

namespace corvane::framework {
class TkvxComServer;
class TkvxFactory;
}  // namespace corvane::framework

namespace corvane::addin {

std::unique_ptr<framework::TkvxCOMAddInModule> CreateAddInModule();
// The factory of eaCVFM, added to the server's list.
framework::TkvxFactory& CreateCVFMFactory(framework::TkvxComServer& Server);

}  // namespace corvane::addin
